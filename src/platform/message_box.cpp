#include "platform/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace quenza::platform {

void showMessage(QWidget* parent, const QString& title, const QString& text,
                 std::function<void()> onClosed) {
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("MsgBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setWindowTitle(title);
    box->setText(text);
    QPushButton* ok = box->addButton(QMessageBox::Ok);
    ok->setObjectName(QStringLiteral("OK"));
    QObject::connect(box, &QDialog::finished, box,
                     [closed = std::move(onClosed), done = false]() mutable {
                         if (done) {
                             return;
                         }
                         done = true;
                         if (closed) {
                             closed();
                         }
                     });
    // Not exec(): the event loop, and with it the driver, keeps running.
    box->show();
}

} // namespace quenza::platform
