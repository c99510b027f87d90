// Variant: the dynamically typed value that crosses every late-bound call,
// the controller's slots and the job parameter array.
//
// Kinds: empty, null, Boolean, 32- and 64-bit integers, double, date-time
// (days since 30 December 1899, time as fraction; 0 = no date), byte string
// tagged with its code page, wide string (UTF-16), arrays of one or more
// dimensions with arbitrary bounds (copied by value) and references to
// automation objects.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kw {

class AutoObject;
using AutoRef = std::shared_ptr<AutoObject>;

enum class VarType { Empty, Null, Boolean, Int32, Int64, Double, Date, String, WideString, Array, Dispatch };

// Raised when a variant cannot be converted to the requested kind or is used
// as something it is not (an index out of bounds, a non-array indexed, ...).
class EVariantError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Code page tag meaning "the process's system ANSI code page".
inline constexpr int CP_ACP = 0;

struct ArrayBound {
    int low = 0;
    int high = -1;
    int count() const { return high - low + 1; }
};

class Variant;

// A rectangular array of variants with per-dimension bounds. Elements are
// stored with the first dimension varying slowest.
class VarArray {
public:
    VarArray() = default;
    explicit VarArray(std::vector<ArrayBound> bounds);

    int dimCount() const { return static_cast<int>(bounds_.size()); }
    const ArrayBound& bound(int dim) const;  // dim counts from 1
    int low(int dim = 1) const { return bound(dim).low; }
    int high(int dim = 1) const { return bound(dim).high; }
    size_t size() const { return items_.size(); }

    Variant& at(int index);
    const Variant& at(int index) const;
    Variant& at(const std::vector<int>& indices);
    const Variant& at(const std::vector<int>& indices) const;

    // Changes the upper bound of the last dimension (ReDim Preserve).
    void redimLast(int newHigh);

    const std::vector<Variant>& items() const { return items_; }
    std::vector<Variant>& items() { return items_; }
    const std::vector<ArrayBound>& bounds() const { return bounds_; }

    bool operator==(const VarArray& other) const;

private:
    size_t offset(const std::vector<int>& indices) const;
    std::vector<ArrayBound> bounds_;
    std::vector<Variant> items_;
};

class Variant {
public:
    Variant() = default;
    Variant(bool value);
    Variant(int value);
    Variant(int64_t value);
    Variant(double value);
    Variant(const char* bytes, int codePage = CP_ACP);
    Variant(std::string bytes, int codePage = CP_ACP);
    Variant(std::u16string wide);
    Variant(const char16_t* wide);
    Variant(VarArray array);
    Variant(AutoRef object);

    Variant(const Variant& other);
    Variant(Variant&& other) noexcept = default;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept = default;
    ~Variant();

    static Variant Null();
    static Variant FromDate(double dateTime);
    // A one-dimensional array low..high filled with empties.
    static Variant Array(int low, int high);
    // A one-dimensional array 0..n-1 of the given values.
    static Variant ArrayOf(std::vector<Variant> values);
    static Variant ArrayOf(int low, std::vector<Variant> values);

    VarType type() const { return type_; }
    bool isEmpty() const { return type_ == VarType::Empty; }
    bool isNull() const { return type_ == VarType::Null; }
    bool isArray() const { return type_ == VarType::Array; }
    bool isText() const { return type_ == VarType::String || type_ == VarType::WideString; }
    bool isNumeric() const;
    bool isDispatch() const { return type_ == VarType::Dispatch; }
    // The code page of a byte string (CP_ACP for any other kind).
    int codePage() const { return codePage_; }
    const char* typeName() const;

    // Conversions as the platform's standard conversion does; raise
    // EVariantError naming both kinds where the value cannot be converted.
    bool toBool() const;
    int32_t toInt() const;
    int64_t toInt64() const;
    double toDouble() const;
    double toDate() const;
    // Byte string in the variant's own code page (byte strings), in the
    // system code page (wide strings), or the text form of the value.
    std::string toString() const;
    std::u16string toWide() const;
    AutoRef toObject() const;

    // Raw access to a byte string without conversion (empty for other kinds).
    const std::string& bytes() const { return text_; }
    void setCodePage(int codePage) { codePage_ = codePage; }

    // Arrays.
    const VarArray& array() const;
    VarArray& array();
    Variant& operator[](int index) { return array().at(index); }
    const Variant& operator[](int index) const { return array().at(index); }
    int low(int dim = 1) const { return array().low(dim); }
    int high(int dim = 1) const { return array().high(dim); }
    int dimCount() const { return isArray() ? array().dimCount() : 0; }

    // Same kind and same value (arrays element by element, objects by identity).
    bool operator==(const Variant& other) const;
    bool operator!=(const Variant& other) const { return !(*this == other); }

private:
    [[noreturn]] void castError(const char* target) const;

    VarType type_ = VarType::Empty;
    int codePage_ = CP_ACP;
    int64_t int_ = 0;  // Boolean, Int32 and Int64
    double double_ = 0;  // Double and Date
    std::string text_;
    std::u16string wide_;
    std::unique_ptr<VarArray> array_;
    AutoRef object_;
};

// Text of a variant, "" for empty and null (the platform's VarToStr).
std::string VarToStr(const Variant& value);
// Wide text of a variant, u"" for empty and null.
std::u16string VarToWideStr(const Variant& value);
// True for empty, null and (optionally) empty texts.
bool VarIsEmptyOrNull(const Variant& value);

}  // namespace kw
