#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

namespace fw {

inline const QString kAppTitle = QStringLiteral("Fortwright");
// Every line of a message text ends with these eight blanks.
inline const QString kEightBlanks = QStringLiteral("        ");

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, YesNo, AbortRetryIgnore };
enum class Answer { Ok, Yes, No, Abort, Retry, Ignore };

struct MessageBox {
    QString text;
    QString title = kAppTitle;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    Answer defaultAnswer = Answer::Ok;
    // The title says why (a failure's description): where no title is shown, it follows the text.
    bool titleTellsWhy = false;
};

// An open or save dialog. The filter is in the "description|pattern|..." form the callers use.
struct FileDialogRequest {
    bool open = true;
    QString title;
    QString filter;
    QString initialDir;
    QString fileName;
    QString defaultExt;
    quint32 flags = 0;
    int filterIndex = 0; // the pair selected at start, 1 for the first; 0 leaves the choice to the dialog
};

// A line of text to type, e.g. a reason; the text given to start from.
struct TextQuestion {
    QString text;
    QString title = kAppTitle;
    QString initial;
};

// Every message box and file dialog of the program goes through this interface, so workflows run
// with scripted answers in tests and without a window in the command-line tool.
class Prompter {
public:
    virtual ~Prompter() = default;

    virtual Answer show(const MessageBox& box) = 0;
    // The chosen full path, or the empty text when the dialog was cancelled.
    virtual QString chooseFile(const FileDialogRequest& request) = 0;
    // The typed line (possibly empty), or nothing when the user cancelled. A prompter that
    // cannot ask (no one to type) cancels.
    virtual std::optional<QString> askText(const TextQuestion& question);

    void inform(const QString& text, const QString& title = kAppTitle);
    void warn(const QString& text, const QString& title = kAppTitle);
    void critical(const QString& text, const QString& title = kAppTitle);
    void plain(const QString& text, const QString& title = kAppTitle);
    // A Yes/No question; true only on Yes.
    bool confirm(const QString& text, const QString& title = kAppTitle,
        MessageIcon icon = MessageIcon::Question, Answer defaultAnswer = Answer::Yes);
    Answer abortRetryIgnore(const QString& text, const QString& title = kAppTitle);
};

// Lines of a message, each followed by eight blanks, joined by CR LF.
QString messageLines(std::initializer_list<QString> lines);

} // namespace fw
