#include "translationmanager.h"

#include "settings.h"
#include "unit.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QLocale>

namespace {

const QString systemChoice = QStringLiteral("system");
const QString languageKey = QStringLiteral("ui/language");

} // namespace

TranslationManager::TranslationManager()
{
    installCatalogues();
    Unit::setInterfaceLocale(locale());
}

TranslationManager::TranslationManager(const QStringList &systemLanguages)
    : m_systemLanguages(systemLanguages)
    , m_useLocale(false)
{
    installCatalogues();
    Unit::setInterfaceLocale(locale());
}

QLocale TranslationManager::locale() const
{
    return QLocale(m_activeLanguage);
}

void TranslationManager::installCatalogues()
{
    m_language = Settings::getString(languageKey, systemChoice);
    if (m_language != systemChoice && !isSupported(m_language))
        m_language = systemChoice;
    m_activeLanguage = resolveLanguage(m_language, systemLanguages());
    if (m_activeLanguage == QLatin1String("en"))
        return;

    if (!m_application.load(QStringLiteral(":/i18n/waylore_") + m_activeLanguage + QStringLiteral(".qm"))) {
        qWarning() << "Cannot load application translation for" << m_activeLanguage;
        m_activeLanguage = QStringLiteral("en");
        return;
    }
    if (loadQtCatalogue(&m_qtBase, QStringLiteral("qtbase_")))
        QCoreApplication::installTranslator(&m_qtBase);
    if (loadQtCatalogue(&m_qtQml, QStringLiteral("qtdeclarative_")))
        QCoreApplication::installTranslator(&m_qtQml);
    if (loadQtCatalogue(&m_qtLocation, QStringLiteral("qtlocation_")))
        QCoreApplication::installTranslator(&m_qtLocation);
    // Installed last, so that it is searched first.
    QCoreApplication::installTranslator(&m_application);
}

bool TranslationManager::loadQtCatalogue(QTranslator *translator, const QString &name)
{
    return translator->load(QStringLiteral(":/i18n/") + name + m_activeLanguage + QStringLiteral(".qm"));
}

QStringList TranslationManager::systemLanguages() const
{
    return m_useLocale ? QLocale::system().uiLanguages() : m_systemLanguages;
}

void TranslationManager::setLanguage(const QString &language)
{
    if (language != systemChoice && !isSupported(language))
        return;
    if (language == m_language)
        return;
    m_language = language;
    Settings::setString(languageKey, language);
    emit languageChanged();
}

bool TranslationManager::restartRequired() const
{
    return resolveLanguage(m_language, systemLanguages()) != m_activeLanguage;
}

bool TranslationManager::isSupported(const QString &code)
{
    return code == QLatin1String("en") || code == QLatin1String("fr") || code == QLatin1String("de")
           || code == QLatin1String("es");
}

QString TranslationManager::resolveLanguage(const QString &choice, const QStringList &systemLanguages)
{
    if (isSupported(choice))
        return choice;
    for (const QString &tag : systemLanguages) {
        const QString code = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (isSupported(code))
            return code;
    }
    return QStringLiteral("en");
}

QString TranslationManager::htmlPath(const QString &name) const
{
    if (m_activeLanguage != QLatin1String("en")) {
        const QString localised = QStringLiteral(":/html/") + m_activeLanguage + QLatin1Char('/') + name;
        if (QFile::exists(localised))
            return localised;
    }
    return QStringLiteral(":/html/") + name;
}
