#pragma once
// The report preview: page 1 frmPrint (site and report fields, a picture of
// the Dynamic Flow Graph, the pump captions), page 2 frmCompare (the flow
// comparison) and page 3 frmComponentList (the current and baseline
// components). Each page is built afresh by its load and ends its modal run
// with the step its label button asked for; runReportPreview turns the pages.

#include "ComponentListPage.h"
#include "ReportWidgets.h"

#include <QDialog>
#include <array>

class MainWindowInputs;
class Module1;
class ReportWindow;
class clsSiteProperties;
class QLabel;

namespace reports {

// How a page's modal run ended. The close box and Esc are Close.
enum class PreviewStep { Close, Next, Prev, Print };

// A preview page: a dialog that remembers the step chosen.
class PreviewPage : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    PreviewStep step() const { return m_step; }

protected:
    // Ends the page's modal run with `step`.
    void finish(PreviewStep step);
    // A label button of the preview, named and placed in twips, whose click
    // ends the page with `step`.
    LabelButton* button(const char* name, const QString& caption, Qt::Alignment alignment, int left, int top,
                        PreviewStep step);

private:
    PreviewStep m_step = PreviewStep::Close;
};

// The ten value texts of the site and report fields in label order: the
// site properties when blnPrintFields is set, otherwise all empty.
std::array<QString, 10> siteFieldTexts(const clsSiteProperties* properties);

// Print Preview: page 1, then each page the last one asked for, built
// afresh, one modal run at a time. Returns true when page 1's Print ended
// the preview (the caller then runs the report command).
bool runReportPreview(Module1& m, MainWindowInputs& w, ReportWindow& r, QWidget* parent);

// A report grid view in a scrolling frame, named and placed in twips.
ReportGridView* gridInFrame(QWidget* parent, const char* name, int left, int top, int width, int height);

} // namespace reports

class frmPrint : public reports::PreviewPage {
    Q_OBJECT
public:
    frmPrint(Module1& m, MainWindowInputs& w, ReportWindow& r, QWidget* parent = nullptr);
    void Form_Load();
    void lblPrint_Click() { finish(reports::PreviewStep::Print); }
    void lblNExt_Click() { finish(reports::PreviewStep::Next); }
    void lblClose_Click() { finish(reports::PreviewStep::Close); }

    reports::SiteFields fields;
    QLabel* picGraph = nullptr;
    QLabel* lblCurrentPumpPrint = nullptr;
    QLabel* lblBaselinePumpPrint = nullptr;
    reports::LabelButton *lblPrint = nullptr, *lblNExt = nullptr, *lblClose = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Module1& m;
    MainWindowInputs& m_inputs;
    ReportWindow& m_report;
};

class frmCompare : public reports::PreviewPage {
    Q_OBJECT
public:
    explicit frmCompare(Module1& m, QWidget* parent = nullptr);
    void Form_Load();
    void lblPrev_Click() { finish(reports::PreviewStep::Prev); }
    void lblNExt_Click() { finish(reports::PreviewStep::Next); }
    void lblClose_Click() { finish(reports::PreviewStep::Close); }

    reports::ReportGridView* flxCompare = nullptr;
    reports::LabelButton *lblPrev = nullptr, *lblNExt = nullptr, *lblClose = nullptr;

private:
    Module1& m;
};

class frmComponentList : public reports::PreviewPage {
    Q_OBJECT
public:
    explicit frmComponentList(ReportWindow& r, QWidget* parent = nullptr);
    void Form_Load();
    void flxComponentPrint_EnterCell();
    void lblPrev_Click() { finish(reports::PreviewStep::Prev); }
    void lblClose_Click() { finish(reports::PreviewStep::Close); }

    reports::ReportGridView* flxComponentPrint = nullptr;
    reports::LabelButton *lblPrev = nullptr, *lblClose = nullptr;

private:
    ReportWindow& m_report;
};
