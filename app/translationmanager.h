#pragma once

#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>

// Chooses the interface language once per run, from the user's choice ("ui/language") or the
// system's languages, and installs the program's and Qt's catalogues for it. A new choice is
// stored at once but takes effect at the next start.
class TranslationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(QString activeLanguage READ activeLanguage CONSTANT)
    Q_PROPERTY(bool restartRequired READ restartRequired NOTIFY languageChanged)

public:
    TranslationManager();
    // For tests: the system's interface languages given instead of the locale's.
    explicit TranslationManager(const QStringList &systemLanguages);

    QString language() const { return m_language; }
    QString activeLanguage() const { return m_activeLanguage; }
    void setLanguage(const QString &language);
    bool restartRequired() const;
    // The interface's numbers are written with the separators of the active language.
    QLocale locale() const;

    static bool isSupported(const QString &code);
    static QString resolveLanguage(const QString &choice, const QStringList &systemLanguages);

    // The copy of an HTML resource in the active language when there is one, else ":/html/" + name.
    QString htmlPath(const QString &name) const;

signals:
    void languageChanged();

private:
    void installCatalogues();
    QStringList systemLanguages() const;
    // Qt's own catalogue of the active language, from the resources.
    bool loadQtCatalogue(QTranslator *translator, const QString &name);

    QString m_language;
    QString m_activeLanguage;
    QStringList m_systemLanguages;
    bool m_useLocale = true;
    QTranslator m_qtBase;
    QTranslator m_qtQml;
    QTranslator m_qtLocation;
    QTranslator m_application;
};
