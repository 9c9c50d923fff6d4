#pragma once

#include <QRect>
#include <QString>
#include <QtGlobal>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QWidget;

namespace quenza::platform {

class Label;

// The name of one control of a control array, as the game and its scripts
// spell it: "Label1(14)".
QString indexed(const char* name, int index);

// Builders for the controls of the game's windows: each control gets its
// game name, its kind and its place in twips (left, top, width, height).
Label* makeLabel(QWidget* parent, const QString& name, const QString& text, const QRect& twips);
// A label as wide as its text needs: the twips keep the designed size, the
// pixels grow with the caption.
Label* makeAutoSizeLabel(QWidget* parent, const QString& name, const QString& text,
                         const QRect& twips);
void fitToText(QLabel* label);
QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& title,
                     const QRect& twips);
// A rectangle outline that lets the pointer through to what lies under it.
QWidget* makeShape(QWidget* parent, const QString& name, const QRect& twips, quint32 borderBgr,
                   int borderWidth = 1);
Label* makePicture(QWidget* parent, const QString& name, const QRect& twips);

void setControlFont(QWidget* control, const QString& family, qreal points, bool bold = false);

QAction* makeMenuEntry(QMenu* menu, const QString& name, const QString& caption);
QMenu* makeSubmenu(QMenu* menu, const QString& name, const QString& caption);
QAction* makeSeparator(QMenu* menu, const QString& name);

} // namespace quenza::platform
