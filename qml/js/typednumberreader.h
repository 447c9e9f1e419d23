#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include "typednumber.h"

// The pages' door to TypedNumber: the number boxes read what is typed as the waypoint's fields
// do, by the one rule of the native code.
class TypedNumberReader : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    // The typed number with its sign, NaN for a text that does not read wholly as one.
    Q_INVOKABLE static double read(const QString &typed, const QString &decimalPoint)
    {
        return TypedNumber::read(typed, decimalPoint);
    }
};
