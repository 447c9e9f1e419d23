#include "infotext.h"

#include "procedure.h"
#include "richtext.h"

namespace InfoText {

QString glyph(char16_t codePoint)
{
    return QStringLiteral("<font face=\"Font Awesome 6 Free\">") + QChar(codePoint) + QStringLiteral("</font>");
}

QString procedureLink(const Procedure *procedure)
{
    if (!procedure)
        return QString();
    return procedure->link();
}

} // namespace InfoText
