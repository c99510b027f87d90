#include "platform/Variant.h"

#include <cmath>
#include <limits>

#include "platform/Automation.h"
#include "platform/CodePage.h"
#include "platform/SysUtils.h"

namespace kw {

// ---- VarArray ----------------------------------------------------------

VarArray::VarArray(std::vector<ArrayBound> bounds) : bounds_(std::move(bounds)) {
    size_t total = bounds_.empty() ? 0 : 1;
    for (const auto& b : bounds_) {
        if (b.count() < 0) throw EVariantError("Invalid array bounds");
        total *= static_cast<size_t>(b.count());
    }
    items_.resize(total);
}

const ArrayBound& VarArray::bound(int dim) const {
    if (dim < 1 || dim > dimCount()) throw EVariantError("Invalid variant array dimension " + std::to_string(dim));
    return bounds_[dim - 1];
}

size_t VarArray::offset(const std::vector<int>& indices) const {
    if (indices.size() != bounds_.size()) throw EVariantError("Variant array index count does not match its dimensions");
    size_t result = 0;
    for (size_t d = 0; d < bounds_.size(); ++d) {
        const auto& b = bounds_[d];
        if (indices[d] < b.low || indices[d] > b.high)
            throw EVariantError("Variant array index " + std::to_string(indices[d]) + " out of bounds [" +
                                std::to_string(b.low) + ".." + std::to_string(b.high) + "]");
        result = result * static_cast<size_t>(b.count()) + static_cast<size_t>(indices[d] - b.low);
    }
    return result;
}

Variant& VarArray::at(int index) { return items_[offset({index})]; }
const Variant& VarArray::at(int index) const { return items_[offset({index})]; }
Variant& VarArray::at(const std::vector<int>& indices) { return items_[offset(indices)]; }
const Variant& VarArray::at(const std::vector<int>& indices) const { return items_[offset(indices)]; }

void VarArray::redimLast(int newHigh) {
    if (bounds_.empty()) throw EVariantError("Cannot resize an array without dimensions");
    auto& last = bounds_.back();
    if (newHigh < last.low - 1) throw EVariantError("Invalid array bounds");
    const size_t oldCount = static_cast<size_t>(last.count());
    const size_t newCount = static_cast<size_t>(newHigh - last.low + 1);
    const size_t rows = oldCount == 0 ? (bounds_.size() == 1 ? 1 : items_.size()) : items_.size() / oldCount;
    std::vector<Variant> resized(rows * newCount);
    for (size_t r = 0; r < rows; ++r)
        for (size_t c = 0; c < std::min(oldCount, newCount); ++c) resized[r * newCount + c] = items_[r * oldCount + c];
    items_ = std::move(resized);
    last.high = newHigh;
}

bool VarArray::operator==(const VarArray& other) const {
    if (bounds_.size() != other.bounds_.size()) return false;
    for (size_t d = 0; d < bounds_.size(); ++d)
        if (bounds_[d].low != other.bounds_[d].low || bounds_[d].high != other.bounds_[d].high) return false;
    return items_ == other.items_;
}

// ---- Variant construction ----------------------------------------------

Variant::Variant(bool value) : type_(VarType::Boolean), int_(value ? 1 : 0) {}
Variant::Variant(int value) : type_(VarType::Int32), int_(value) {}
Variant::Variant(int64_t value) : type_(VarType::Int64), int_(value) {}
Variant::Variant(double value) : type_(VarType::Double), double_(value) {}
Variant::Variant(const char* bytes, int codePage) : Variant(std::string(bytes ? bytes : ""), codePage) {}
Variant::Variant(std::string bytes, int codePage)
    : type_(VarType::String), codePage_(codePage), text_(std::move(bytes)) {}
Variant::Variant(std::u16string wide) : type_(VarType::WideString), wide_(std::move(wide)) {}
Variant::Variant(const char16_t* wide) : Variant(std::u16string(wide ? wide : u"")) {}
Variant::Variant(VarArray array) : type_(VarType::Array), array_(std::make_unique<VarArray>(std::move(array))) {}
Variant::Variant(AutoRef object) : type_(object ? VarType::Dispatch : VarType::Empty), object_(std::move(object)) {}

Variant::Variant(const Variant& other)
    : type_(other.type_),
      codePage_(other.codePage_),
      int_(other.int_),
      double_(other.double_),
      text_(other.text_),
      wide_(other.wide_),
      array_(other.array_ ? std::make_unique<VarArray>(*other.array_) : nullptr),
      object_(other.object_) {}

Variant& Variant::operator=(const Variant& other) {
    if (this != &other) {
        Variant copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Variant::~Variant() = default;

Variant Variant::Null() {
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::FromDate(double dateTime) {
    Variant v;
    v.type_ = VarType::Date;
    v.double_ = dateTime;
    return v;
}

Variant Variant::Array(int low, int high) { return Variant(VarArray({ArrayBound{low, high}})); }

Variant Variant::ArrayOf(int low, std::vector<Variant> values) {
    VarArray array({ArrayBound{low, low + static_cast<int>(values.size()) - 1}});
    array.items() = std::move(values);
    return Variant(std::move(array));
}

Variant Variant::ArrayOf(std::vector<Variant> values) { return ArrayOf(0, std::move(values)); }

// ---- Queries and conversions -------------------------------------------

bool Variant::isNumeric() const {
    return type_ == VarType::Boolean || type_ == VarType::Int32 || type_ == VarType::Int64 ||
           type_ == VarType::Double || type_ == VarType::Date;
}

const char* Variant::typeName() const {
    switch (type_) {
        case VarType::Empty: return "Empty";
        case VarType::Null: return "Null";
        case VarType::Boolean: return "Boolean";
        case VarType::Int32: return "Integer";
        case VarType::Int64: return "Int64";
        case VarType::Double: return "Double";
        case VarType::Date: return "Date";
        case VarType::String: return "String";
        case VarType::WideString: return "OleStr";
        case VarType::Array: return "Array";
        case VarType::Dispatch: return "Dispatch";
    }
    return "Unknown";
}

void Variant::castError(const char* target) const {
    throw EVariantError(std::string("Could not convert variant of type (") + typeName() + ") into type (" + target + ")");
}

namespace {

// The text of a string variant as a number, or nullopt.
bool textToDouble(const Variant& v, double& out) {
    return TryStrToFloat(Trim(v.toString()), out);
}

int64_t roundToInt64(double value, const Variant& source, const char* target) {
    const double rounded = std::nearbyint(value);  // banker's rounding, as the platform rounds
    if (!std::isfinite(rounded) || rounded < -9.2233720368547758e18 || rounded >= 9.2233720368547758e18)
        throw EVariantError(std::string("Could not convert variant of type (") + source.typeName() + ") into type (" +
                            target + "): overflow");
    return static_cast<int64_t>(rounded);
}

}  // namespace

bool Variant::toBool() const {
    switch (type_) {
        case VarType::Empty: return false;
        case VarType::Boolean:
        case VarType::Int32:
        case VarType::Int64: return int_ != 0;
        case VarType::Double:
        case VarType::Date: return double_ != 0;
        case VarType::String:
        case VarType::WideString: {
            const std::string text = Trim(toString());
            if (SameText(text, "True")) return true;
            if (SameText(text, "False")) return false;
            double number;
            if (textToDouble(*this, number)) return number != 0;
            castError("Boolean");
        }
        default: castError("Boolean");
    }
}

int64_t Variant::toInt64() const {
    switch (type_) {
        case VarType::Empty: return 0;
        case VarType::Boolean: return int_ ? -1 : 0;
        case VarType::Int32:
        case VarType::Int64: return int_;
        case VarType::Double:
        case VarType::Date: return roundToInt64(double_, *this, "Int64");
        case VarType::String:
        case VarType::WideString: {
            int64_t whole;
            const std::string text = Trim(toString());
            try {
                whole = StrToInt64(text);
                return whole;
            } catch (const EConvertError&) {
            }
            double number;
            if (textToDouble(*this, number)) return roundToInt64(number, *this, "Int64");
            castError("Int64");
        }
        default: castError("Int64");
    }
}

int32_t Variant::toInt() const {
    const int64_t value = toInt64();
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        throw EVariantError(std::string("Could not convert variant of type (") + typeName() +
                            ") into type (Integer): overflow");
    return static_cast<int32_t>(value);
}

double Variant::toDouble() const {
    switch (type_) {
        case VarType::Empty: return 0;
        case VarType::Boolean: return int_ ? -1 : 0;
        case VarType::Int32:
        case VarType::Int64: return static_cast<double>(int_);
        case VarType::Double:
        case VarType::Date: return double_;
        case VarType::String:
        case VarType::WideString: {
            double number;
            if (textToDouble(*this, number)) return number;
            castError("Double");
        }
        default: castError("Double");
    }
}

double Variant::toDate() const {
    switch (type_) {
        case VarType::String:
        case VarType::WideString: {
            double value;
            if (TryStrToDateTime(Trim(toString()), value)) return value;
            castError("Date");
        }
        case VarType::Empty:
        case VarType::Boolean:
        case VarType::Int32:
        case VarType::Int64:
        case VarType::Double:
        case VarType::Date: return toDouble();
        default: castError("Date");
    }
}

std::string Variant::toString() const {
    switch (type_) {
        case VarType::Empty: return "";
        case VarType::Boolean: return int_ ? "True" : "False";
        case VarType::Int32:
        case VarType::Int64: return IntToStr(int_);
        case VarType::Double: return FloatToStr(double_);
        case VarType::Date: return DateTimeToStr(double_);
        case VarType::String: return text_;
        case VarType::WideString: return WideToMultiByte(wide_, CP_ACP);
        default: castError("String");
    }
}

std::u16string Variant::toWide() const {
    switch (type_) {
        case VarType::WideString: return wide_;
        case VarType::String: return MultiByteToWide(text_, codePage_);
        default: return MultiByteToWide(toString(), CP_ACP);
    }
}

AutoRef Variant::toObject() const {
    if (type_ == VarType::Dispatch) return object_;
    if (type_ == VarType::Empty) return nullptr;
    castError("Dispatch");
}

const VarArray& Variant::array() const {
    if (!array_) throw EVariantError(std::string("Variant of type (") + typeName() + ") is not an array");
    return *array_;
}

VarArray& Variant::array() {
    if (!array_) throw EVariantError(std::string("Variant of type (") + typeName() + ") is not an array");
    return *array_;
}

bool Variant::operator==(const Variant& other) const {
    if (type_ != other.type_) return false;
    switch (type_) {
        case VarType::Empty:
        case VarType::Null: return true;
        case VarType::Boolean:
        case VarType::Int32:
        case VarType::Int64: return int_ == other.int_;
        case VarType::Double:
        case VarType::Date: return double_ == other.double_;
        case VarType::String: {
            // The same bytes in two code pages are two different texts.
            const auto resolved = [](int cp) { return cp == CP_ACP ? SystemCodePage() : cp; };
            return text_ == other.text_ && resolved(codePage_) == resolved(other.codePage_);
        }
        case VarType::WideString: return wide_ == other.wide_;
        case VarType::Array: return *array_ == *other.array_;
        case VarType::Dispatch: return object_ == other.object_;
    }
    return false;
}

std::string VarToStr(const Variant& value) {
    if (value.isNull()) return "";
    return value.toString();
}

std::u16string VarToWideStr(const Variant& value) {
    if (value.isNull()) return u"";
    return value.toWide();
}

bool VarIsEmptyOrNull(const Variant& value) { return value.isEmpty() || value.isNull(); }

}  // namespace kw
