#include "app/message_sink.h"

#include <QMessageBox>

namespace wenlocke {
namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, QString::fromUtf16(kApplicationTitle), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace

void QtMessageSink::ShowMessage(const QString& text)
{
    ShowBox(m_parent, QMessageBox::NoIcon, text);
}

void QtMessageSink::ShowError(const QString& text)
{
    ShowBox(m_parent, QMessageBox::Critical, text);
}

QString ErrorBoxText(const QString& text)
{
    if (text.isEmpty() || text.back() <= QChar(u'.'))
        return text;
    return text + u'.';
}

} // namespace wenlocke
