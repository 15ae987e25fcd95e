#include "app/startup.h"

#include "app/message_sink.h"
#include "app/process_locale.h"
#include "platform/font_faces.h"

#include <QApplication>
#include <QFont>
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
    SetUpProcessLocale();
    QApplication::setApplicationName(QString::fromUtf16(kApplicationTitle));
    QApplication::setApplicationDisplayName(QString::fromUtf16(kApplicationTitle));
    InstallFontSubstitutions();
}

} // namespace wenlocke
