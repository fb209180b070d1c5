#pragma once
// A dialog double for window tests: queued answers in order, and a record of every
// dialog the window asked with. A dialog with no queued answer is cancelled and
// counted as unexpected.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "controls/Dialogs.h"

namespace vok::test {

class ScriptedDialogs : public IDialogs {
public:
    enum class Kind { Open, Save, Color, Message };
    struct Asked {
        Kind kind;
        FileDialogOptions file;    // Open, Save: the dialog as it was shown
        ColorDialogOptions color;  // Color
        MessageOptions message;    // Message
    };

    // OK with these names (the first is FileName); filterIndex 0 keeps the dialog's own.
    void AnswerFiles(std::vector<std::string> files, int filterIndex = 0) {
        fileAnswers.push_back(FileAnswer{std::move(files), filterIndex});
    }
    void AnswerFile(const std::string& file) { AnswerFiles({file}); }
    void CancelFile() { fileAnswers.push_back(std::nullopt); }
    void AnswerColor(ColorValue color) { colorAnswers.push_back(color); }
    void CancelColor() { colorAnswers.push_back(std::nullopt); }
    void AnswerMessage(MessageButton button) { messageAnswers.push_back(button); }

    bool OpenFile(FileDialogOptions& dialog) override { return File(Kind::Open, dialog); }
    bool SaveFile(FileDialogOptions& dialog) override { return File(Kind::Save, dialog); }

    bool PickColor(ColorDialogOptions& dialog) override {
        asked.push_back(Asked{Kind::Color, {}, dialog, {}});
        if (colorAnswers.empty()) {
            ++unexpected;
            return false;
        }
        const std::optional<ColorValue> answer = colorAnswers.front();
        colorAnswers.pop_front();
        if (!answer) return false;
        dialog.Color = *answer;
        return true;
    }

    MessageButton Message(const MessageOptions& message) override {
        asked.push_back(Asked{Kind::Message, {}, {}, message});
        messages.push_back(message);
        if (messageAnswers.empty()) return MessageButton(message.Buttons & mbOK ? mbOK : message.Buttons & mbYes ? mbYes : mbOK);
        const MessageButton answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    // The texts of the error reports shown so far.
    std::vector<std::string> Errors() const {
        std::vector<std::string> texts;
        for (const MessageOptions& m : messages)
            if (m.Icon == MessageIcon::Error) texts.push_back(m.Text);
        return texts;
    }
    // The file dialogs asked so far.
    std::vector<FileDialogOptions> FileDialogs() const {
        std::vector<FileDialogOptions> dialogs;
        for (const Asked& a : asked)
            if (a.kind == Kind::Open || a.kind == Kind::Save) dialogs.push_back(a.file);
        return dialogs;
    }

    std::vector<Asked> asked;
    std::vector<MessageOptions> messages;
    int unexpected = 0;

private:
    struct FileAnswer {
        std::vector<std::string> files;
        int filterIndex;
    };

    bool File(Kind kind, FileDialogOptions& dialog) {
        asked.push_back(Asked{kind, dialog, {}, {}});
        if (fileAnswers.empty()) {
            ++unexpected;
            return false;
        }
        const std::optional<FileAnswer> answer = fileAnswers.front();
        fileAnswers.pop_front();
        if (!answer) return false;
        if (answer->filterIndex > 0 && answer->filterIndex != dialog.FilterIndex) {
            dialog.FilterIndex = answer->filterIndex;
            if (dialog.OnTypeChange) dialog.OnTypeChange(dialog);
        }
        dialog.Files = answer->files;
        if (!dialog.Files.empty()) dialog.FileName = dialog.Files.front();
        return true;
    }

    std::deque<std::optional<FileAnswer>> fileAnswers;
    std::deque<std::optional<ColorValue>> colorAnswers;
    std::deque<MessageButton> messageAnswers;
};

}  // namespace vok::test
