// The shell's host object, "PilotWorkCenter.Manager": what the condition
// forms ask of the shell itself, and the three services it hands out.
//
//   VersionType()                 -> the shell's version type
//   ProductID()                   -> the product number
//   Com_Counter(), Com_Validator(), Com_F2Window() -> the services (one each per host object)
//   GetMessage(type, id)          -> the catalogue text in the data code page
//   CallHelp([program prefix, help number])   -> recorded in the "kwshell" alert log
//   GetFileList([file name])      -> the file-list record of a server program file
//
// The class name is registered when this library is loaded, so a form that
// runs on its own can create the host object by name.
#pragma once

#include <memory>

#include "host/ShellData.h"
#include "platform/Automation.h"

namespace kw {

inline constexpr const char* HostClassName = "PilotWorkCenter.Manager";

class THostObject : public DispatchObject {
public:
    static constexpr int DefaultVersionType = 9;
    static constexpr int DefaultProductId = 1;

    explicit THostObject(std::shared_ptr<TShellData> data, int versionType = DefaultVersionType,
                         int productId = DefaultProductId);

    // The catalogue text (UTF-8) of a message in the language of the client
    // settings; the code itself ("E;000099") when the catalogue lacks it.
    std::string MessageText(const std::string& type, const std::string& id);

private:
    std::shared_ptr<TShellData> data_;
    AutoRef counter_, validator_, lookupWindow_;
};

// The file-list record of a server program file: "<Modify>" stamp
// "</Modify><Path>" full path "</Path>" for the first server work folder
// that holds the file (compared without regard to case), "" for none.
std::string FileListRecord(const std::string& fileName);

}  // namespace kw
