#include "infotext.h"

#include "procedure.h"
#include "richtext.h"

namespace InfoText {

QString procedureLink(const Procedure *procedure)
{
    if (!procedure)
        return QString();
    return procedure->link();
}

} // namespace InfoText
