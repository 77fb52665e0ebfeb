#pragma once

#include <QDialog>

class QComboBox;

// The port of a card on a serial port (codes 1 and 7: "COM1" to "COM8") or
// on the parallel port (code 6: "$378" or "$278"), kept in the settings
// store (see PortsCarte.h). The caption is the card's name.
class TConfigurer : public QDialog {
    Q_OBJECT
public:
    TConfigurer(QWidget* parent, int code, const QString& nomCarte = QString());

    // 1 when the setting was saved, 2 otherwise.
    int Execute();

private:
    void Ok();

    int code;
    QComboBox* ports;
};
