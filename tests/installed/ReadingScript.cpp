// A Qt plugin that plays a short reading on the real, installed program from
// inside it, where no test code is linked: Qt loads it when
// QT_QPA_GENERIC_PLUGINS names it. It finds the table's buttons, actions and
// dialogs by their object names and works them as a user would.
//   readingscript:save    shuffles, lets the cards be drawn automatically
//                         and saves the reading as "Scripted"
//   readingscript:report  prints the spread and the cards laid of the
//                         reading the program opened
// What it sees goes to standard output; the program then closes as after
// Readings > Exit.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QGenericPlugin>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

namespace {

QMainWindow *table()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("TableWindow") && widget->isVisible())
            return qobject_cast<QMainWindow *>(widget);
    }
    return nullptr;
}

void say(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

class ReadingScript : public QObject
{
public:
    explicit ReadingScript(const QString &mode)
        : m_mode(mode)
    {
        connect(&m_timer, &QTimer::timeout, this, &ReadingScript::step);
        m_timer.start(200);
    }

private:
    void step()
    {
        ++m_ticks;
        if (m_ticks > 300) { // a minute
            say(QStringLiteral("script: gave up at step %1").arg(m_step));
            QCoreApplication::exit(3);
            return;
        }
        QMainWindow *window = table();
        if (!window)
            return;
        if (QWidget *modal = QApplication::activeModalWidget()) {
            answer(modal);
            return;
        }
        if (m_mode == QLatin1String("report"))
            report(window);
        else
            playAndSave(window);
    }

    void answer(QWidget *modal)
    {
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            // Typed into the name box, as a user would.
            if (auto *name = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
                name->setText(QStringLiteral("Scripted"));
            static_cast<QDialog *>(files)->accept(); // QFileDialog hides it
            m_fileChosen = true;
        } else if (auto *message = qobject_cast<QMessageBox *>(modal)) {
            // Before the file is chosen a message says the reading is not
            // finished yet; after it, it tells of a failed save.
            if (m_fileChosen || m_mode == QLatin1String("report"))
                say(QStringLiteral("message: ") + message->text());
            message->accept();
        } else if (auto *dialog = qobject_cast<QDialog *>(modal)) {
            say(QStringLiteral("dialog: ") + dialog->objectName());
            dialog->accept(); // the comments asked for before saving
        }
    }

    void click(QMainWindow *window, const char *button)
    {
        if (auto *found = window->findChild<QAbstractButton *>(QLatin1String(button)))
            found->click();
    }

    void playAndSave(QMainWindow *window)
    {
        switch (m_step) {
        case 0:
            click(window, "shuffleButton");
            ++m_step;
            break;
        case 1:
            click(window, "stopButton");
            ++m_step;
            break;
        default:
            if (m_fileChosen) {
                say(QStringLiteral("saved"));
                window->close();
                m_timer.stop();
            } else if (m_ticks % 10 == 0) {
                // Tried every two seconds until the cards are all drawn.
                // Triggered from the event loop: a timer does not fire again
                // while its own handler waits in a dialog.
                if (auto *save = window->findChild<QAction *>(QStringLiteral("saveAction")))
                    QTimer::singleShot(0, save, &QAction::trigger);
            }
        }
    }

    void report(QMainWindow *window)
    {
        if (m_ticks < 8)
            return; // let the opened reading be laid
        const auto *name = window->findChild<QLabel *>(QStringLiteral("spreadNameLabel"));
        say(QStringLiteral("spread: ") + (name ? name->text() : QString()));
        int laid = 0;
        for (const QWidget *image : window->findChildren<QWidget *>()) {
            if (image->objectName().startsWith(QLatin1String("positionImage")) &&
                image->isVisible())
                ++laid;
        }
        say(QStringLiteral("cards: %1").arg(laid));
        window->close();
        m_timer.stop();
    }

    QString m_mode;
    QTimer m_timer;
    int m_ticks = 0;
    int m_step = 0;
    bool m_fileChosen = false;
};

} // namespace

class ReadingScriptPlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "ReadingScript.json")

public:
    QObject *create(const QString &, const QString &script) override
    {
        return new ReadingScript(script);
    }
};

#include "ReadingScript.moc"
