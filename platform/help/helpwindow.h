#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace help {

// The help window: a browser over one help document that follows the document's own links,
// with buttons back to the contents and through the pages already seen.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* owner);

    // Shows the help document at `path`, at its contents; a document already shown is not read
    // again.
    void openFile(const QString& path);
    // Back to the top of the document, where its contents list is.
    void goToContents();
    QString filePath() const { return home_.toLocalFile(); }

private:
    QWidget* createButtonRow();

    QTextBrowser* browser_;
    QUrl home_;
};

}  // namespace help
