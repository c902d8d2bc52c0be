#pragma once
// The head-loss details window: one row of eleven columns, a caption over
// each value, and Close. Its load searches afresh from the main window's
// present inputs; it keeps no data of its own.

#include "HeadLossDetails.h"

#include <QDialog>
#include <array>

class MainWindowInputs;
class Module1;
class QLabel;
class QPushButton;

class frmDetails : public QDialog {
    Q_OBJECT
public:
    frmDetails(Module1& m, MainWindowInputs& w, QWidget* parent = nullptr);

    // Runs the search and fills the labels.
    void Form_Load();
    void cmdClose_Click();

    // By column, left to right (Label1 ... Label9, Rise ... Total).
    std::array<QLabel*, reports::kDetailsColumns> captionLabels;
    std::array<QLabel*, reports::kDetailsColumns> valueLabels;
    QPushButton* cmdClose;

private:
    void fitCaptionFont(int columnPixels);

    Module1& m;
    MainWindowInputs& m_inputs;
};
