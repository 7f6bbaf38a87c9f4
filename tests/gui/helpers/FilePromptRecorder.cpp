#include "FilePromptRecorder.h"

#include <QDir>

FilePromptRecorder::FilePromptRecorder()
    : m_catcher([this](QFileDialog* dialog) {
          prompts.push_back({dialog->windowTitle(), dialog->nameFilters(),
                             QDir(dialog->directory()).canonicalPath(), dialog->acceptMode(),
                             dialog->fileMode(), dialog->defaultSuffix(),
                             !dialog->testOption(QFileDialog::DontConfirmOverwrite)});
          dialog->reject();
      }) {}
