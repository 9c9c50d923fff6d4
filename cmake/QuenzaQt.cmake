# Qt's strict string conversions hold for every target, present and future:
# no implicit const char* <-> QString, no QString -> QUrl, no narrowing in
# connect(). They change nothing for the Qt-free targets.
add_compile_definitions(QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_URL_CAST_FROM_STRING
                        QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# Compile definitions shared by every target that uses Qt.
function(quenza_qt_target target)
    target_compile_definitions(${target} PRIVATE QT_NO_FOREACH QT_NO_KEYWORDS)
endfunction()
