#pragma once

#include <QString>
#include <QTranslator>

// Marks each text of one context, or of every context, as "<text>": a suite sees which of the
// texts a pilot reads pass through the catalogue, and when they are worded.
class MarkingTranslator : public QTranslator
{
public:
    explicit MarkingTranslator(const char *context = nullptr)
        : m_context(context)
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return !m_context || qstrcmp(context, m_context) == 0
                   ? QStringLiteral("<%1>").arg(QString::fromUtf8(sourceText))
                   : QString();
    }

private:
    const char *m_context;
};
