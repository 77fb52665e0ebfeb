#pragma once

#include <QDialog>

// The about box: "VELDRA version" with the program's version, and its copyright.
class veldraAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit veldraAboutDlg(QWidget* parent = nullptr);
};
