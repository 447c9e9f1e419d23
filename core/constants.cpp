#include "constants.h"

namespace {
// Process-wide, so that RichText colours its links without a Constants instance.
const QString s_linkColor = QStringLiteral("#5E9CAE");
} // namespace

Constants::Constants(QObject *parent)
    : QObject(parent)
{
}

QString Constants::linkColor()
{
    return s_linkColor;
}
