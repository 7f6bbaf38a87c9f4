#pragma once

#include <filesystem>

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
