#pragma once

#include "reports/PageModel.h"

#include <QMainWindow>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;

namespace brovik::app {

class ReportPageView;

// The preview of a generated document: a normal top-level window (it does not stay above
// the options panel) with page navigation, zoom, printing and saving as PDF. Printing and
// saving replay the pages the preview shows.
class ReportPreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    // `pdfName` is the file name proposed when saving, without folder.
    ReportPreviewWindow(const reports::Document& document, QString pdfName, QWidget* parent = nullptr);

    ReportPageView* pageView() const { return view_; }
    // Where the save dialog opens: the user's documents folder and the proposed name.
    QString proposedPdfPath() const;
    // Writes the pages to `file` (".pdf" added when missing) with progress and Cancel;
    // says in the status bar where it wrote, or shows why it could not.
    bool savePdfTo(QString file);
    void print();
    void savePdf();

private:
    void buildNavigation(class QToolBar* tools);
    void buildZoom(QToolBar* tools);
    void buildOutput(QToolBar* tools);
    QAction* addTool(QToolBar* tools, const QString& text, const QString& tip, QList<QKeySequence> keys);
    void showPage(int page);
    void showZoom(double percent);
    void pageTyped();
    void zoomTyped();
    void showFailure(const QString& title, const QString& text);

    const reports::Document& document_;
    QString pdfName_;
    ReportPageView* view_;
    QLineEdit* pageBox_ = nullptr;
    QLabel* pageTotal_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
};

}  // namespace brovik::app
