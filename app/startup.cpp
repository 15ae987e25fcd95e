#include "app/startup.h"

#include "app/message_sink.h"
#include "platform/font_faces.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QStringList>

namespace wenlocke {
namespace {

QString ToQString(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

void InstallFontSubstitutions()
{
    for (const platform::FaceSubstitution& entry : platform::FaceSubstitutions()) {
        QStringList families;
        for (const std::u16string& family : entry.families)
            families << ToQString(family);
        QFont::insertSubstitutions(ToQString(entry.face), families);
    }
}

void PrepareApplication()
{
    // Qt's own formatting follows the program's locale, not the machine's.
    QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
    QApplication::setApplicationName(QString::fromUtf16(kApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromUtf16(kApplicationTitle));
    InstallFontSubstitutions();
}

} // namespace wenlocke
