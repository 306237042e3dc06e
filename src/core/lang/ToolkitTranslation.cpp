#include "core/lang/ToolkitTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

ToolkitTranslation::~ToolkitTranslation()
{
    remove();
}

QLocale ToolkitTranslation::localeFor(const QString &language)
{
    for (int code = QLocale::AnyLanguage + 1; code <= QLocale::LastLanguage; ++code) {
        const auto candidate = static_cast<QLocale::Language>(code);
        if (QLocale::languageToString(candidate).compare(language, Qt::CaseInsensitive) == 0)
            return QLocale(candidate);
    }
    return QLocale::c();
}

bool ToolkitTranslation::apply(const QString &language, const QString &catalogueDir)
{
    remove();
    const QLocale locale = localeFor(language);
    // English is the toolkit's own language, and an unknown name has no catalogue.
    if (locale.language() == QLocale::C || locale.language() == QLocale::English)
        return false;
    const QString dir =
        catalogueDir.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : catalogueDir;
    if (!m_translator.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), dir))
        return false;
    m_installed = QCoreApplication::installTranslator(&m_translator);
    return m_installed;
}

void ToolkitTranslation::remove()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
}
