#pragma once

#include <QDataStream>
#include <QObject>
#include <QString>

// One air traffic service frequency of an airport. It is a QObject only for its translation
// context; airports keep their frequencies as values in a QList, so it copies like a value and
// every copy gets a QObject part of its own, without parent.
class Atc : public QObject
{
    Q_OBJECT

public:
    Atc();
    // frequency: MHz.
    Atc(int type, float frequency, const QString &name);
    Atc(const Atc &other);
    Atc &operator=(const Atc &other);
    ~Atc() override;

    // Kind of service, 0 (ATIS) to 6 (departure); -1 in a default-made entry.
    int type() const { return m_type; }
    float frequency() const { return m_frequency; }
    QString name() const { return m_name; }

    static QString typeToString(int type);
    QString typeText() const;
    QString frequencyText() const;

private:
    qint32 m_type;
    float m_frequency;
    QString m_name;

    friend QDataStream &operator<<(QDataStream &stream, const Atc &atc);
    friend QDataStream &operator>>(QDataStream &stream, Atc &atc);
};

// One entry of an airport's ATC list in the navigation database file: qint32 type, the
// frequency through the stream's float operator, the name.
QDataStream &operator<<(QDataStream &stream, const Atc &atc);
// The stream status is left to the caller.
QDataStream &operator>>(QDataStream &stream, Atc &atc);
