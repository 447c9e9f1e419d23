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
    return RichText::link(RichText::escape(procedure->name()),
                          QStringLiteral("PROCEDURE>") + RichText::escape(procedure->uid()));
}

} // namespace InfoText
