#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace brovik::test {

// Answers the next modal dialog of type T as a user would: `answer` runs on it once it is
// the active modal window (polled from the event loop, so call this before the code that
// opens the dialog).
void whenModalOpens(const char* className, std::function<void(QWidget*)> answer);

// What a clerk picks in Qt's print dialog.
struct PrintChoice {
    QString printer;
    QString pages;         // a page list; empty: all pages
    bool currentPage = false;
    int pageSet = 0;       // the dialog's list: 0 all, 1 odd, 2 even pages
    int copies = 1;
    bool collate = true;
};
void answerPrintDialog(const PrintChoice& choice);

// Closes the next message box and hands its text over.
void answerMessageBox(QString* text);

}  // namespace brovik::test
