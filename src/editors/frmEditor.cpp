#include "frmEditor.h"

#include "catalogue/Module1.h"
#include "catalogue/SharedServices.h"
#include "platform/AddedTextValidator.h"
#include "platform/Keys.h"
#include "platform/Named.h"
#include "platform/TypingLimit.h"
#include "platform/WidgetEvents.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>
#include <utility>

using platform::named;

namespace {

QString name(const editors::EditorKind& kind, const char* prefix, const char* suffix = "")
{
    return controlName(kind, prefix, suffix);
}

} // namespace

namespace editors {

// --- the grid ---

PointGridView::PointGridView(frmEditor& window, QWidget* parent) : QTableWidget(parent), m_window(window)
{
    setColumnCount(2);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab goes on to the next control, as from every other box; the arrow
    // keys move between cells.
    setTabKeyNavigation(false);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
}

void PointGridView::keyPressEvent(QKeyEvent* event)
{
    EditorModel& model = m_window.model();
    int code = -1;
    switch (event->key()) {
    case Qt::Key_Delete:
        model.grid_KeyDown(platform::kKeyDelete);
        m_window.showGrid();
        return;
    case Qt::Key_Backspace:
        code = event->modifiers() & Qt::ControlModifier ? platform::kAsciiCtrlBackspace : platform::kAsciiBackspace;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter: code = platform::kAsciiEnter; break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape: // the window's: it asks before closing
        QTableWidget::keyPressEvent(event);
        return;
    default: code = platform::keyAscii(*event); break;
    }
    if (code < 0) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    model.grid_KeyPress(code);
    m_window.showGrid();
}

void PointGridView::mousePressEvent(QMouseEvent* event)
{
    const int refusals = m_window.cellRefusals();
    QTableWidget::mousePressEvent(event);
    const int row = rowAt(event->position().toPoint().y());
    // A click the leaving check turned back leaves the refused cell as the
    // user typed it: no "0" for an empty one, no spare row.
    if (row >= 0 && isEnabled() && m_window.cellRefusals() == refusals) {
        m_window.model().grid_Click(row);
        m_window.showGrid();
    }
}

} // namespace editors

// --- the window ---

frmEditor::frmEditor(editors::EditorModel& model, Module1& module, QWidget* parent)
    : QDialog(parent), m_model(model), m(module), m_events(new platform::WidgetEvents(this))
{
    const editors::EditorKind& k = m_model.kind();
    setObjectName(QLatin1String(k.window));
    setWindowTitle(QLatin1String(k.caption));
    build();
    wire();
    m_model.viewChanged = [this] { showModel(); };
}

// The model outlives its window.
frmEditor::~frmEditor() { m_model.viewChanged = nullptr; }

void frmEditor::build()
{
    const editors::EditorKind& k = m_model.kind();
    const bool hose = k.panel == editors::Panel::Hose;
    auto* top = new QGridLayout(this);

    names = named<QListWidget>(name(k, "lst", "Names"));
    names->setMinimumWidth(220);
    cmdAdd = named<QPushButton>(name(k, "cmd", "Add"), QStringLiteral("Add"));
    cmdEdit = named<QPushButton>(name(k, "cmd", "Edit"), QStringLiteral("Edit"));
    cmdDelete = named<QPushButton>(name(k, "cmd", "Delete"), QStringLiteral("Delete"));
    auto* left = new QVBoxLayout;
    left->addWidget(names, 1);
    auto* listButtons = new QHBoxLayout;
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdDelete})
        listButtons->addWidget(b);
    left->addLayout(listButtons);
    top->addLayout(left, 0, 0, 3, 1);

    // The entry: its name (a hose's size and length) and its options.
    auto* entry = new QGridLayout;
    nameLabel = named<QLabel>(QLatin1String(k.nameLabel), QLatin1String(k.nameCaption));
    nameBox = named<QLineEdit>(hose ? QStringLiteral("txtHoseSize") : name(k, "txt", "Name"));
    platform::setTypingLimit(nameBox, hose ? 7 : 30);
    nameBox->setMinimumWidth(200);
    custom = named<QCheckBox>(name(k, "chk", "Custom"), QStringLiteral("Custom"));
    custom->setEnabled(false);
    entry->addWidget(nameLabel, 0, 0);
    entry->addWidget(nameBox, 0, 1);
    entry->addWidget(custom, 0, 2);
    int row = 1;
    if (hose) {
        lengthLabel = named<QLabel>(QStringLiteral("lblHoseLength"), QStringLiteral("Hose Length(ft)"));
        lengthBox = named<QLineEdit>(QStringLiteral("txtHoseLength"));
        platform::setTypingLimit(lengthBox, 5);
        standard = named<QRadioButton>(QStringLiteral("optHoseStandard"), QStringLiteral("Standard"));
        customized = named<QRadioButton>(QStringLiteral("optHoseCustomized"), QStringLiteral("Customized"));
        auto* lengths = new QHBoxLayout;
        lengths->addWidget(standard);
        lengths->addWidget(customized);
        entry->addWidget(lengthLabel, row, 0);
        entry->addWidget(lengthBox, row, 1);
        entry->addLayout(lengths, row, 2);
        ++row;
    }
    if (k.panel == editors::Panel::Frequency) {
        fifty = named<QRadioButton>(QStringLiteral("optPump50"), QStringLiteral("50Hz Pump"));
        sixty = named<QRadioButton>(QStringLiteral("optPump60"), QStringLiteral("60Hz Pump"));
        auto* frequency = new QHBoxLayout;
        frequency->addWidget(fifty);
        frequency->addWidget(sixty);
        frequency->addStretch();
        entry->addLayout(frequency, row, 0, 1, 3);
    } else {
        // A frame of two options, each named by the tag and its caption.
        auto pair = [&](const char* frame, const char* first, const char* second, QRadioButton*& a, QRadioButton*& b) {
            auto* box = named<QGroupBox>(name(k, "fra", frame), QLatin1String(frame));
            a = named<QRadioButton>(name(k, "opt", first), QLatin1String(first));
            b = named<QRadioButton>(name(k, "opt", second), QLatin1String(second));
            auto* row = new QHBoxLayout(box);
            row->addWidget(a);
            row->addWidget(b);
            return box;
        };
        fuel = pair("Fuel", "Gas", "Diesel", gas, diesel);
        head = pair("Head", "Feet", "PSI", feet, psi);
        auto* frames = new QHBoxLayout;
        frames->addWidget(fuel);
        frames->addWidget(head);
        entry->addLayout(frames, row, 0, 1, 3);
    }
    top->addLayout(entry, 0, 1);

    // The curve: headings over the two columns.
    auto* curve = new QGridLayout;
    flowHeading = named<QLabel>(name(k, "lbl", "GPM"), QStringLiteral("GPM"));
    headHeading = named<QLabel>(name(k, "lbl", "TDH"), QLatin1String(k.usHeadHeading));
    grid = new editors::PointGridView(*this, this);
    grid->setObjectName(name(k, "flx"));
    curve->addWidget(flowHeading, 0, 0, Qt::AlignHCenter);
    curve->addWidget(headHeading, 0, 1, Qt::AlignHCenter);
    curve->addWidget(grid, 1, 0, 1, 2);
    top->addLayout(curve, 1, 1);

    auto* helpFrame = named<QGroupBox>(name(k, "fra", "Help"), QStringLiteral("Help"));
    help = named<QLabel>(name(k, "lbl", "Help"), QStringLiteral("Any help regarding this item shall be provided here"));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    (new QVBoxLayout(helpFrame))->addWidget(help);
    top->addWidget(helpFrame, 0, 2, 2, 1);

    cmdSave = named<QPushButton>(name(k, "cmd", "Save"), QStringLiteral("Save"));
    cmdClear = named<QPushButton>(name(k, "cmd", "Clear"), QStringLiteral("Clear"));
    cmdOk = named<QPushButton>(name(k, "cmd", "Ok"), QStringLiteral("Ok"));
    cmdCancel = named<QPushButton>(name(k, "cmd", "Cancel"), QStringLiteral("Cancel"));
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    for (QPushButton* b : {cmdSave, cmdClear, cmdOk, cmdCancel})
        commands->addWidget(b);
    top->addLayout(commands, 2, 1, 1, 2);
    top->setColumnStretch(1, 1);
    top->setRowStretch(1, 1);
    helpFrame->setMinimumWidth(200);
    resize(860, 520);
    for (QPushButton* b : {cmdAdd, cmdEdit, cmdDelete, cmdSave, cmdClear, cmdOk, cmdCancel})
        b->setAutoDefault(false);
}

void frmEditor::wire()
{
    const editors::EditorKind& k = m_model.kind();
    const bool hose = k.panel == editors::Panel::Hose;
    connect(names, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_showing)
            m_model.view.selected = row;
    });

    // Typing and pasting pass the same rules; a name the program writes
    // shows whole.
    new platform::AddedTextValidator(nameBox, hose ? platform::eachCharacterAsTyped(editors::sizeKeyPasses)
                                                   : platform::eachCharacterAsTyped([](int code, const QString&) {
                                                         return editors::nameKeyPasses(code);
                                                     }));
    connect(nameBox, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.setName(text); });
    auto queueCheck = [this](bool& waiting) {
        if (m_returning)
            return;
        waiting = true;
        QTimer::singleShot(0, this, [this] { runWaitingChecks(); });
    };
    m_events->onLostFocus(nameBox, [this, queueCheck](Qt::FocusReason) { queueCheck(m_nameWaiting); });
    if (hose) {
        new platform::AddedTextValidator(lengthBox, platform::eachCharacterAsTyped(editors::lengthKeyPasses));
        connect(lengthBox, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.setLength(text); });
        m_events->onLostFocus(lengthBox, [this, queueCheck](Qt::FocusReason) { queueCheck(m_lengthWaiting); });
        // As for the fuel and head options, the check of the box just left
        // runs before the option, even on a quick click. The handler is a
        // function, not a pointer to member: gcc 12's vptr check of
        // (m_model.*handler)() in a lambda reads a register it never loaded.
        auto lengthOption = [this](QRadioButton* b, std::function<void()> handler) {
            connect(b, &QRadioButton::toggled, this, [this, handler](bool on) {
                if (!on || m_showing)
                    return;
                if (runWaitingChecks())
                    handler();
                showModel();
            });
        };
        lengthOption(standard, [this] { m_model.optStandard_Click(); });
        lengthOption(customized, [this] { m_model.optCustomized_Click(); });
    }
    m_events->onLostFocus(grid, [this, queueCheck](Qt::FocusReason) { queueCheck(m_cellWaiting); });
    connect(grid, &QTableWidget::currentCellChanged, this, &frmEditor::cellChanged);

    if (k.panel == editors::Panel::Frequency) {
        for (QRadioButton* b : {fifty, sixty})
            connect(b, &QRadioButton::toggled, this, [this, b](bool on) {
                if (on && !m_showing)
                    m_model.selectFrequency(b == fifty);
            });
    } else {
        // An option converts the grid: the check of the box or cell just
        // left runs first, though a quick click (press and release at once)
        // comes before its queued run. A refusal turns the click back.
        auto option = [this](QRadioButton* b, std::function<bool()> handler) {
            connect(b, &QRadioButton::toggled, this, [this, handler](bool on) {
                if (!on || m_showing)
                    return;
                if (!runWaitingChecks()) {
                    showModel(); // the option as it was
                    return;
                }
                const bool done = handler();
                showModel();
                if (!done)
                    focusRefused();
            });
        };
        option(gas, [this] { return m_model.chooseFuel(true); });
        option(diesel, [this] { return m_model.chooseFuel(false); });
        option(feet, [this] { return m_model.chooseHeadUnit(false); });
        option(psi, [this] { return m_model.chooseHeadUnit(true); });
    }

    // A click on Clear or Cancel leaves the box or cell being edited alone:
    // they take the focus from the keyboard only, and their mouse-down tells
    // the checks to stand aside. Tab onto them runs the checks as usual.
    for (QPushButton* b : {cmdClear, cmdCancel})
        b->setFocusPolicy(Qt::TabFocus);
    // The length check stands aside for nobody: a length left for Clear or
    // Cancel is checked all the same.
    auto lengthLeft = [this] {
        if (lengthBox && lengthBox->hasFocus() && lengthBox->isEnabled()) {
            m_model.length_LostFocus();
            showModel();
        }
    };
    m_events->onMouseDown(cmdClear, [this, lengthLeft](Qt::MouseButton) {
        m_model.cmdClear_MouseDown();
        lengthLeft();
    });
    m_events->onMouseDown(cmdCancel, [this, lengthLeft](Qt::MouseButton) {
        m_model.cmdCancel_MouseDown();
        lengthLeft();
    });
    // The press is over once released, on the button (its command follows)
    // or off it (no command): the checks stand aside no longer.
    for (QPushButton* b : {cmdClear, cmdCancel})
        connect(b, &QPushButton::released, this, [this] { m_model.mousePressEnded(); });

    connect(cmdAdd, &QPushButton::clicked, this, [this] {
        m_model.cmdAdd_Click();
        showModel();
        nameBox->setFocus();
    });
    connect(cmdEdit, &QPushButton::clicked, this, [this] {
        m_model.cmdEdit_Click();
        showModel();
        if (m_model.mode() == editors::Mode::Editing)
            nameBox->setFocus();
    });
    connect(cmdDelete, &QPushButton::clicked, this, [this] {
        m_model.cmdDelete_Click();
        showModel();
    });
    connect(cmdSave, &QPushButton::clicked, this, [this] {
        if (!runWaitingChecks())
            return;
        m_model.cmdSave_Click();
        showModel();
        focusRefused();
    });
    connect(cmdClear, &QPushButton::clicked, this, [this] {
        m_model.cmdClear_Click();
        showModel();
    });
    connect(cmdOk, &QPushButton::clicked, this, [this] {
        if (runWaitingChecks())
            closeWith(m_model.cmdOk_Click());
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { closeWith(m_model.cmdCancel_Click()); });

    platform::bindF1(this, [this](int keyCode, int) {
        if (keyCode == platform::kKeyF1)
            catalogue::ShowHelpTopic(catalogue::HelpFilePath(m), QLatin1String(m_model.kind().helpTopic));
    });
}

void frmEditor::Form_Load()
{
    m_model.Form_Load();
    help->setText(QLatin1String(m_model.kind().helpText));
    showModel();
}

bool frmEditor::runWaitingChecks()
{
    if (m_nameWaiting) {
        m_nameWaiting = false;
        if (nameBox->isEnabled() && !m_model.name_LostFocus()) {
            showModel();
            returnTo(nameBox);
            return false;
        }
    }
    if (m_lengthWaiting) {
        m_lengthWaiting = false;
        if (lengthBox && lengthBox->isEnabled())
            m_model.length_LostFocus();
    }
    if (m_cellWaiting) {
        m_cellWaiting = false;
        if (grid->isEnabled() && !m_model.grid_LeaveCell()) {
            showGrid();
            returnTo(grid);
            return false;
        }
    }
    showModel();
    return true;
}

void frmEditor::cellChanged(int row, int col, int previousRow, int previousCol)
{
    if (m_showing || previousRow < 0 || previousCol < 0)
        return;
    m_model.grid.setCurrent(previousRow, previousCol);
    if (!m_model.grid_LeaveCell()) {
        ++m_cellRefusals;
        // Back to the refused cell at once, and again once the click that
        // left it has been handled (it would select the cell it hit).
        m_model.grid_EnterCell();
        showGrid();
        returnTo(grid);
        QTimer::singleShot(0, this, [this] { showGrid(); });
        return;
    }
    m_model.grid.setCurrent(row, col);
    m_model.grid_EnterCell();
    showGrid();
}

void frmEditor::showGrid()
{
    const bool was = m_showing;
    m_showing = true;
    const editors::PointGrid& g = m_model.grid;
    grid->setRowCount(g.rows());
    for (int r = 0; r < g.rows(); ++r)
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem* item = grid->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                grid->setItem(r, c, item);
            }
            if (item->text() != g.text(r, c))
                item->setText(g.text(r, c));
        }
    // The current cell is also the one selected.
    grid->setCurrentCell(g.row(), g.col());
    m_showing = was;
}

void frmEditor::showModel()
{
    m_showing = true;
    const editors::EditorView& v = m_model.view;
    QStringList shown;
    for (int i = 0; i < names->count(); ++i)
        shown << names->item(i)->text();
    if (shown != v.names) {
        names->clear();
        names->addItems(v.names);
    }
    names->setCurrentRow(v.selected);
    names->setEnabled(v.listOn);
    if (nameBox->text() != v.name)
        platform::writeField(nameBox, v.name);
    nameBox->setEnabled(v.nameOn);
    custom->setChecked(v.custom);
    if (fuel) {
        (v.gas ? gas : diesel)->setChecked(true);
        (v.psi ? psi : feet)->setChecked(true);
        for (QWidget* w : std::initializer_list<QWidget*>{fuel, head, gas, diesel, feet, psi})
            w->setEnabled(v.optionsOn);
        feet->setText(v.feetCaption);
    }
    if (fifty) {
        (v.fifty ? fifty : sixty)->setChecked(true);
        fifty->setEnabled(v.optionsOn);
        sixty->setEnabled(v.optionsOn);
    }
    if (lengthBox) {
        if (lengthBox->text() != v.length)
            platform::writeField(lengthBox, v.length);
        lengthBox->setEnabled(v.lengthOn);
        lengthLabel->setText(v.lengthCaption);
        if (v.standardLength)
            standard->setChecked(true);
        else if (v.customizedLength)
            customized->setChecked(true);
        standard->setEnabled(v.lengthOptionsOn);
        customized->setEnabled(v.lengthOptionsOn);
    }
    flowHeading->setText(v.flowHeading);
    headHeading->setText(v.headHeading);
    grid->setEnabled(v.gridOn);
    cmdAdd->setEnabled(v.addOn);
    cmdEdit->setEnabled(v.editOn);
    cmdDelete->setEnabled(v.deleteOn);
    cmdSave->setEnabled(v.saveOn);
    cmdClear->setEnabled(v.clearOn);
    showGrid();
    m_showing = false;
}

// Takes the user back to a refused box or cell. The one left on the way is
// not checked: two refusing fields would hand the focus back and forth for
// ever. Save and OK still check it.
void frmEditor::returnTo(QWidget* field)
{
    const bool was = std::exchange(m_returning, true);
    field->setFocus();
    m_returning = was;
}

void frmEditor::focusRefused()
{
    switch (m_model.refusedField()) {
    case editors::EditorModel::Field::Name: returnTo(nameBox); break;
    case editors::EditorModel::Field::Grid: returnTo(grid); break;
    case editors::EditorModel::Field::None: break;
    }
}

void frmEditor::closeWith(editors::Closing closing)
{
    if (closing == editors::Closing::Stay) {
        showModel();
        focusRefused();
        return;
    }
    m_closing = true;
    done(QDialog::Accepted);
}

void frmEditor::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    closeWith(m_model.closeRequested());
}

void frmEditor::reject()
{
    if (m_closing) {
        QDialog::reject();
        return;
    }
    closeWith(m_model.closeRequested());
}
