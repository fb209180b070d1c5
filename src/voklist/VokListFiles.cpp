// The file side of the VokList reader and writer.
#include <cerrno>

#include "support/CaseFold.h"
#include "support/Check.h"
#include "support/Errors.h"
#include "support/ZqSysUtils.h"
#include "voklist/MoveFrameList.h"
#include "voklist/VokList.h"

namespace vok {

bool IsVokListName(const std::string& name) {
    const std::size_t mark = name.find_last_of("./\\");
    return mark != std::string::npos && EqualsIgnoringCase(std::string_view(name).substr(mark), ".txl");
}

namespace {

std::string ReadListFile(const std::string& fileName) {
    try {
        return ReadFileText(fileName, kMaxVokListBytes);
    } catch (const EOSError& e) {
        // Larger files, and endless pipes, are not VokLists.
        ZQ_ASSERT_AT(e.code() != EFBIG, "File invalid or corrupt", "Unit5.cpp", 201);
        throw;
    }
}

}  // namespace

std::vector<std::string> ReadVokList(const std::string& fileName, TVokListDocument& doc) {
    try {
        return ParseVokListText(ReadListFile(fileName), doc);
    } catch (Exception& e) {
        e.nameFile(fileName);
        throw;
    }
}

void WriteVokList(const std::string& fileName, const TVokListDocument& doc) {
    // WriteFileSafely names the file of its failures.
    const std::string text = VokListText(doc);
    WriteFileSafely(fileName, text.data(), text.size());
}

void ReadVokListFrameNames(const std::string& fileName, std::vector<std::string>& list) {
    try {
        AppendVokListFrameNames(ReadListFile(fileName), list);
    } catch (Exception& e) {
        e.nameFile(fileName);
        throw;
    }
}

std::vector<std::string> BuildMoveFrameList(const std::vector<std::string>& chosen) {
    return BuildMoveFrameList(chosen, [](const std::string& listFileName, std::vector<std::string>& list) {
        ReadVokListFrameNames(listFileName, list);
    });
}

}  // namespace vok
