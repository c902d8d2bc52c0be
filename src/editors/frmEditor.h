#pragma once
// The catalogue editor's window, one class for the eight kinds: it shows an
// EditorModel and hands it the user's actions. Controls carry the kind's
// names (frmNozzle, txtNozzleName, flxNozzle, cmdNozzleOk, ...). The grid has
// no cell editor: every key reaches a cell through the model's key rules.
// The checks of a box or cell being left run once the focus has moved; a
// command button runs a check still waiting before its own work.

#include "EditorModel.h"

#include <QDialog>
#include <QTableWidget>

class Module1;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
namespace platform {
class WidgetEvents;
}

class frmEditor;

namespace editors {

// The point grid: the model's cells, keys and cell moves.
class PointGridView : public QTableWidget {
public:
    PointGridView(frmEditor& window, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    frmEditor& m_window;
};

} // namespace editors

class frmEditor : public QDialog {
    Q_OBJECT
public:
    frmEditor(editors::EditorModel& model, Module1& m, QWidget* parent = nullptr);
    ~frmEditor() override;

    void Form_Load();
    editors::EditorModel& model() { return m_model; }
    // Shows the model's state in the controls.
    void showModel();
    // Runs the checks still waiting for a box or cell just left; false when
    // one refused (its message shown, the focus back on it).
    bool runWaitingChecks();
    int cellRefusals() const { return m_cellRefusals; }

    QListWidget* names = nullptr;
    QLabel* nameLabel = nullptr;
    QLineEdit* nameBox = nullptr;
    QCheckBox* custom = nullptr;
    QGroupBox* fuel = nullptr;
    QGroupBox* head = nullptr;
    QRadioButton *gas = nullptr, *diesel = nullptr, *feet = nullptr, *psi = nullptr;
    QRadioButton *fifty = nullptr, *sixty = nullptr;
    QLabel* lengthLabel = nullptr;
    QLineEdit* lengthBox = nullptr;
    QRadioButton *standard = nullptr, *customized = nullptr;
    editors::PointGridView* grid = nullptr;
    QLabel *flowHeading = nullptr, *headHeading = nullptr, *help = nullptr;
    QPushButton *cmdAdd = nullptr, *cmdEdit = nullptr, *cmdDelete = nullptr, *cmdSave = nullptr, *cmdClear = nullptr,
                *cmdOk = nullptr, *cmdCancel = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    friend class editors::PointGridView;
    void build();
    void wire();
    void showGrid();
    // A grid cell change by the user: the left cell checked, a refused one
    // made current again.
    void cellChanged(int row, int col, int previousRow, int previousCol);
    void closeWith(editors::Closing closing);
    // The focus on the box a command's check refused.
    void focusRefused();
    void returnTo(QWidget* field);

    editors::EditorModel& m_model;
    Module1& m;
    platform::WidgetEvents* m_events;
    bool m_showing = false;     // the model is being shown: no handler runs
    int m_cellRefusals = 0;     // moves between cells the leaving check turned back
    bool m_closing = false;     // a command decided to close
    bool m_returning = false;   // the focus goes back to a refused field
    bool m_nameWaiting = false; // a check queued for the box or cell left
    bool m_lengthWaiting = false;
    bool m_cellWaiting = false;
};
