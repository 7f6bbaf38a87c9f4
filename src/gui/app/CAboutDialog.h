#pragma once

#include <QDialog>

// "About Bottlewright": the product name, its version and an OK button.
class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};
