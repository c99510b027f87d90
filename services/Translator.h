// The wrapper of the outside GB <-> Big5 converter library "Vozedarure".
#pragma once

#include <stdexcept>
#include <string>

#include "platform/DynLib.h"

namespace kw {

// The converter library's file name: its name with the platform's library
// extension, loaded with the system's library search.
inline constexpr const char* TranslatorLibraryName = "Vozedarure.so";

// Raised when the converter library or one of its conversions is missing.
class ETranslatorError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TTranslator {
public:
    // Loads the library; raises ETranslatorError "Load Library %s Error!"
    // (with the file name) when it cannot be loaded, and "Get Library
    // Procedure Address Error!" when "GBtoBIG5" or "BIG5toGB" is missing.
    explicit TTranslator(const std::string& libraryName = TranslatorLibraryName);
    TTranslator(const TTranslator&) = delete;
    TTranslator& operator=(const TTranslator&) = delete;

    // Big5 bytes -> GB bytes ("BIG5toGB") and GB bytes -> Big5 bytes
    // ("GBtoBIG5"). A conversion the library cannot do is written to the
    // "libstrs" alert log and the text comes back unchanged.
    std::string ConvertToGB(const std::string& big5) const;
    std::string ConvertToBig5(const std::string& gb) const;

private:
    using Conversion = char* (*)(const char*);
    std::string Convert(Conversion conversion, const char* entryName, const std::string& text) const;

    DynLib library_;
    Conversion gbToBig5_ = nullptr;
    Conversion big5ToGb_ = nullptr;
    // Looked up with the two above for the library's contract; never called.
    void* getBig5Data_ = nullptr;
    void* getGBData_ = nullptr;
    void* saveOrder_ = nullptr;
};

}  // namespace kw
