#pragma once
// Runs each main-window test in a fresh working folder holding a small creature table,
// with every dialog answered by a script. The program file seems to stand in that
// folder, so the settings file is written there.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>

#include "app/MonVoks.h"
#include "controls/ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "support/AppInfo.h"

namespace vok::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        previousProgram = ProgramFileName();
        SetProgramFileName(Here("voktool"));
        setenv("XDG_CONFIG_HOME", Here("config").c_str(), 1);
    }
    void TearDown() override {
        form.reset();
        QDir::setCurrent(previous);
        SetProgramFileName(previousProgram);
        unsetenv("XDG_CONFIG_HOME");
    }

    // The full name of a file in the test's folder.
    std::string Here(const std::string& name) const { return folder.path().toStdString() + "/" + name; }

    // A creature table whose record of creature i names "VOK<i>".
    void WriteCreatureTable(int records = CreatureCount) {
        std::string bytes(std::size_t(records) * MonVoksRecordSize, '\0');
        for (int r = 0; r < records; ++r) {
            const std::string name = "VOK" + std::to_string(CreatureCount - 1 - r);
            bytes.replace(std::size_t(r) * MonVoksRecordSize, name.size(), name);
        }
        std::ofstream(std::string(MonVoksFileName), std::ios::binary) << bytes;
    }

    TForm1& Open() {
        form = std::make_unique<TForm1>(dialogs);
        form->show();
        return *form;
    }

    QTemporaryDir folder;
    QString previous;
    std::string previousProgram;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

}  // namespace vok::test
