#pragma once

#include "FilePromptRecorder.h"

#include <filesystem>
#include <vector>

// A dialog whose file prompts the test answers: an empty path stands for a cancelled prompt. With
// askForReal set, the dialog's own file dialogs ask instead.
template <class Dialog> class PromptedDialog : public Dialog {
public:
    using Dialog::Dialog;

    std::filesystem::path fileToRetrieve;
    std::filesystem::path fileToStore;
    bool askForReal = false;

    std::filesystem::path askFileToRetrieve() override {
        return askForReal ? Dialog::askFileToRetrieve() : fileToRetrieve;
    }
    std::filesystem::path askFileToStore() override {
        return askForReal ? Dialog::askFileToStore() : fileToStore;
    }
};

// Lets the dialog's own file dialogs ask, cancelling each; returns what retrieving, then storing, asked.
template <class Dialog> std::vector<FilePromptRecorder::Prompt> realPrompts(PromptedDialog<Dialog>& dialog) {
    FilePromptRecorder recorder;
    dialog.askForReal = true;
    const bool cancelled = dialog.askFileToRetrieve().empty() && dialog.askFileToStore().empty();
    return cancelled ? recorder.prompts : std::vector<FilePromptRecorder::Prompt>{};
}
