// The toolkit's own texts follow the interface language: the catalogue is
// found by the language folder's name and replaced on every change.
#include "core/lang/ToolkitTranslation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A text of the toolkit's standard buttons, as the installed catalogues give it.
QString cancelText()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace

class TestToolkitTranslation : public QObject
{
    Q_OBJECT

private slots:
    void languageFolderNamesGiveLocales();
    void catalogueFollowsTheLanguage();
    void missingCatalogueLeavesEnglish();
};

void TestToolkitTranslation::languageFolderNamesGiveLocales()
{
    QCOMPARE(ToolkitTranslation::localeFor(QStringLiteral("Russian")).language(), QLocale::Russian);
    QCOMPARE(ToolkitTranslation::localeFor(QStringLiteral("german")).language(), QLocale::German);
    QCOMPARE(ToolkitTranslation::localeFor(QStringLiteral("Testish")).language(), QLocale::C);
    QCOMPARE(ToolkitTranslation::localeFor(QString()).language(), QLocale::C);
}

void TestToolkitTranslation::catalogueFollowsTheLanguage()
{
    const QString catalogue =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
    if (!QFileInfo::exists(catalogue))
        QSKIP("The toolkit's Russian catalogue is not installed");
    ToolkitTranslation translation;
    QVERIFY(translation.apply(QStringLiteral("Russian")));
    QCOMPARE(cancelText(), QStringLiteral("Отмена"));
    QVERIFY(!translation.apply(QStringLiteral("English")));
    QVERIFY(!translation.isInstalled());
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));

    // Gone with its owner, so no catalogue outlives the table.
    {
        ToolkitTranslation scoped;
        QVERIFY(scoped.apply(QStringLiteral("Russian")));
    }
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
}

void TestToolkitTranslation::missingCatalogueLeavesEnglish()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    ToolkitTranslation translation;
    QVERIFY(!translation.apply(QStringLiteral("Russian"), empty.path()));
    QVERIFY(!translation.apply(QStringLiteral("Testish")));
    QCOMPARE(cancelText(), QStringLiteral("Cancel"));
}

QTEST_GUILESS_MAIN(TestToolkitTranslation)
#include "test_ToolkitTranslation.moc"
