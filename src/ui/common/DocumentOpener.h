#pragma once

#include <QObject>
#include <QString>

#include <functional>

// Opens files in the desktop's application for them through `xdg-open`, and
// tells when that fails: the opener's exit status says whether it found an
// application, which a bare URL request to the desktop never reports.
class DocumentOpener : public QObject
{
    Q_OBJECT

public:
    // Answers later than this are an application's, which some desktops run
    // in the opener's place until it is closed, not the opener's.
    static constexpr int AnswerWindowMs = 15000;

    explicit DocumentOpener(QObject *parent = nullptr);

    // Starts opening `path`; `onFailure` is called once the opener fails to
    // start or ends in failure within the answer window.
    void open(const QString &path, std::function<void()> onFailure);
};
