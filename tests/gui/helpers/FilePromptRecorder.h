#pragma once

#include "ModalDialogCatcher.h"

#include <vector>

#include <QFileDialog>

// Records what each file dialog shown while it lives asks, and cancels it.
class FilePromptRecorder {
public:
    struct Prompt {
        QString title;
        QStringList filters;
        QString folder; // canonical
        QFileDialog::AcceptMode mode;
        QFileDialog::FileMode fileMode;
        QString suffix;
        bool confirmsOverwrite;
    };

    FilePromptRecorder();

    std::vector<Prompt> prompts;

private:
    ModalDialogCatcher<QFileDialog> m_catcher;
};
