#pragma once

#include "remessa/AliasSettings.h"
#include "tickets/TicketOptions.h"
#include "tickets/TicketSession.h"

#include <QMargins>
#include <QWidget>
#include <memory>

namespace brovik::tickets {
class TicketPrinting;
}

namespace brovik::app {

using tickets::TicketPrinting;
class TaloesPanel;
class PanelBarcodeSettings;
class ReportPreview;

// The main window: a fixed window showing only the ticket options panel.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kOuterSize{360, 398};

    // `launchArgument` is the first command-line argument, empty when there is none.
    explicit TForm1(const QString& launchArgument = QString(), QWidget* parent = nullptr);
    ~TForm1() override;

    TaloesPanel* pTaloes = nullptr;

    // What a ticket run reads from the panel, read now.
    tickets::TicketOptions panelValues() const;

    // Where start-up hands the configuration over, once read; the run reads it back.
    void setAliasSettings(const data::AliasSettings& settings) { aliasSettings_ = settings; }
    const data::AliasSettings& aliasSettings() const { return aliasSettings_; }

    // The data the run works on; set by start-up once the configuration is read. The
    // layouts print from its tables, so it must outlive the window.
    void setTicketSession(tickets::TicketSession* session);
    // The three ticket layouts, once there is a session.
    TicketPrinting* printing() const { return printing_.get(); }
    // The preview start-up installed; told of each click so its progress dialog can
    // appear half a second after the click, however long the run took.
    void setReportPreview(ReportPreview* preview) { preview_ = preview; }
    // What the last click's run gave (the layout to preview, the flow layout's remark).
    const tickets::TicketRunResult& lastRun() const { return lastRun_; }

    void FormCreate(const QString& launchArgument);
    void FormShow();
    void ImprimeTaloesClick();
    void CancelarClick();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void placeAtOuterSize();

    data::AliasSettings aliasSettings_;
    tickets::TicketSession* session_ = nullptr;
    ReportPreview* preview_ = nullptr;
    std::unique_ptr<PanelBarcodeSettings> barcodeSettings_;
    std::unique_ptr<TicketPrinting> printing_;
    tickets::TicketRunResult lastRun_;
    bool shown_ = false;
    QMargins placedWithFrame_;
};

}  // namespace brovik::app
