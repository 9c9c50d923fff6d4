# Compile definitions shared by every target that uses Qt.
function(quenza_qt_target target)
    target_compile_definitions(${target} PRIVATE QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
                                                 QT_NO_FOREACH QT_NO_KEYWORDS)
endfunction()
