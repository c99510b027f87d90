#include "platform/RpcCodec.h"

#define MSGPACK_NO_BOOST
#include <msgpack.hpp>

#include <cstring>

namespace kw {

namespace {

enum ExtType : int8_t { ExtEmpty = 1, ExtInt64 = 2, ExtDate = 3, ExtCodePageBytes = 4, ExtUtf16 = 5 };

constexpr int RequestTag = 0;
constexpr int ResponseTag = 1;

struct StringBuffer {
    std::string data;
    void write(const char* bytes, size_t size) { data.append(bytes, size); }
};
using Packer = msgpack::packer<StringBuffer>;

void PutBigEndian(char* out, uint64_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) {
        out[i] = static_cast<char>(value & 0xFF);
        value >>= 8;
    }
}

uint64_t GetBigEndian(const char* in, int bytes) {
    uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | static_cast<unsigned char>(in[i]);
    return value;
}

// Strict UTF-16 -> UTF-8; false when the text holds an unpaired surrogate
// (those travel as UTF-16 units so that nothing is lost).
bool WideToUtf8Strict(const std::u16string& wide, std::string& out) {
    out.clear();
    out.reserve(wide.size() * 3);
    for (size_t i = 0; i < wide.size(); ++i) {
        uint32_t c = wide[i];
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= wide.size() || wide[i + 1] < 0xDC00 || wide[i + 1] > 0xDFFF) return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (wide[++i] - 0xDC00);
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return true;
}

// Strict UTF-8 -> UTF-16: overlong forms, surrogates and truncated
// sequences are errors.
std::u16string Utf8ToWideStrict(const char* text, size_t size) {
    std::u16string out;
    out.reserve(size);
    size_t i = 0;
    auto fail = [] { throw ERpcError("invalid UTF-8 in a wide string"); };
    while (i < size) {
        unsigned char b = static_cast<unsigned char>(text[i]);
        uint32_t c;
        int extra;
        if (b < 0x80) { c = b; extra = 0; }
        else if ((b & 0xE0) == 0xC0) { c = b & 0x1F; extra = 1; }
        else if ((b & 0xF0) == 0xE0) { c = b & 0x0F; extra = 2; }
        else if ((b & 0xF8) == 0xF0) { c = b & 0x07; extra = 3; }
        else fail();
        if (i + extra >= size) fail();
        for (int k = 1; k <= extra; ++k) {
            unsigned char n = static_cast<unsigned char>(text[i + k]);
            if ((n & 0xC0) != 0x80) fail();
            c = (c << 6) | (n & 0x3F);
        }
        static const uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (c < minimum[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) fail();
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
        i += extra + 1;
    }
    return out;
}

void PackExt(Packer& pk, ExtType type, const char* data, size_t size) {
    pk.pack_ext(size, type);
    pk.pack_ext_body(data, size);
}

// Text as a msgpack str: method names, error texts and wide strings in UTF-8.
void PackUtf8(Packer& pk, const std::string& utf8) {
    pk.pack_str(utf8.size());
    pk.pack_str_body(utf8.data(), utf8.size());
}

void PackVariant(Packer& pk, const Variant& value) {
    switch (value.type()) {
    case VarType::Empty:
        PackExt(pk, ExtEmpty, nullptr, 0);
        return;
    case VarType::Null:
        pk.pack_nil();
        return;
    case VarType::Boolean:
        value.toBool() ? pk.pack_true() : pk.pack_false();
        return;
    case VarType::Int32:
        pk.pack_int32(value.toInt());
        return;
    case VarType::Int64: {
        char raw[8];
        PutBigEndian(raw, static_cast<uint64_t>(value.toInt64()), 8);
        PackExt(pk, ExtInt64, raw, 8);
        return;
    }
    case VarType::Double:
        pk.pack_double(value.toDouble());
        return;
    case VarType::Date: {
        double date = value.toDate();
        uint64_t bits;
        std::memcpy(&bits, &date, 8);
        char raw[8];
        PutBigEndian(raw, bits, 8);
        PackExt(pk, ExtDate, raw, 8);
        return;
    }
    case VarType::String: {
        const std::string& bytes = value.bytes();
        if (value.codePage() == CP_ACP) {
            pk.pack_bin(bytes.size());
            pk.pack_bin_body(bytes.data(), bytes.size());
        } else {
            std::string raw(4, '\0');
            PutBigEndian(raw.data(), static_cast<uint32_t>(value.codePage()), 4);
            raw += bytes;
            PackExt(pk, ExtCodePageBytes, raw.data(), raw.size());
        }
        return;
    }
    case VarType::WideString: {
        std::u16string wide = value.toWide();
        std::string utf8;
        if (WideToUtf8Strict(wide, utf8)) {
            PackUtf8(pk, utf8);
        } else {
            std::string raw;
            raw.reserve(wide.size() * 2);
            for (char16_t unit : wide) {
                raw += static_cast<char>(unit & 0xFF);
                raw += static_cast<char>(unit >> 8);
            }
            PackExt(pk, ExtUtf16, raw.data(), raw.size());
        }
        return;
    }
    case VarType::Array: {
        const VarArray& array = value.array();
        pk.pack_array(static_cast<uint32_t>(array.size() + 1));
        if (array.dimCount() == 1) {
            pk.pack_int32(array.low(1));
        } else {
            pk.pack_array(static_cast<uint32_t>(array.dimCount() * 2));
            for (const ArrayBound& b : array.bounds()) {
                pk.pack_int32(b.low);
                pk.pack_int32(b.high);
            }
        }
        for (const Variant& item : array.items()) PackVariant(pk, item);
        return;
    }
    case VarType::Dispatch:
        throw ERpcError("an automation object cannot be sent or stored");
    }
    throw ERpcError("unknown variant kind");
}

int32_t ReadInt32(const msgpack::object& o, const char* what) {
    if (o.type == msgpack::type::POSITIVE_INTEGER && o.via.u64 <= 0x7FFFFFFFu)
        return static_cast<int32_t>(o.via.u64);
    if (o.type == msgpack::type::NEGATIVE_INTEGER && o.via.i64 >= INT32_MIN)
        return static_cast<int32_t>(o.via.i64);
    throw ERpcError(std::string("not a 32-bit integer: ") + what);
}

Variant ReadVariant(const msgpack::object& o, int depth);

Variant ReadArray(const msgpack::object& o, int depth) {
    if (depth > RpcMaxDepth) throw ERpcError("arrays nested too deeply");
    const msgpack::object_array& items = o.via.array;
    if (items.size == 0) throw ERpcError("array without bounds");
    const size_t count = items.size - 1;
    std::vector<ArrayBound> bounds;
    const msgpack::object& head = items.ptr[0];
    if (head.type == msgpack::type::ARRAY) {
        const msgpack::object_array& pairs = head.via.array;
        if (pairs.size < 4 || pairs.size % 2 != 0) throw ERpcError("bad bounds of a multi-dimensional array");
        uint64_t product = 1;
        for (uint32_t i = 0; i < pairs.size; i += 2) {
            ArrayBound b{ReadInt32(pairs.ptr[i], "low bound"), ReadInt32(pairs.ptr[i + 1], "high bound")};
            int64_t extent = static_cast<int64_t>(b.high) - b.low + 1;
            if (extent < 0) throw ERpcError("array bounds out of order");
            product *= static_cast<uint64_t>(extent);
            if (product > count) throw ERpcError("array bounds do not match its items");
            bounds.push_back(b);
        }
        if (product != count) throw ERpcError("array bounds do not match its items");
    } else {
        int32_t low = ReadInt32(head, "low bound");
        int64_t high = static_cast<int64_t>(low) + static_cast<int64_t>(count) - 1;
        if (high > INT32_MAX) throw ERpcError("array bounds out of range");
        bounds.push_back(ArrayBound{low, static_cast<int>(high)});
    }
    VarArray array(std::move(bounds));
    std::vector<Variant>& target = array.items();
    for (size_t i = 0; i < count; ++i) target[i] = ReadVariant(items.ptr[i + 1], depth + 1);
    return Variant(std::move(array));
}

Variant ReadExt(const msgpack::object& o) {
    const msgpack::object_ext& ext = o.via.ext;
    const char* data = ext.data();
    const uint32_t size = ext.size;
    switch (ext.type()) {
    case ExtEmpty:
        if (size != 0) break;
        return Variant();
    case ExtInt64:
        if (size != 8) break;
        return Variant(static_cast<int64_t>(GetBigEndian(data, 8)));
    case ExtDate: {
        if (size != 8) break;
        uint64_t bits = GetBigEndian(data, 8);
        double date;
        std::memcpy(&date, &bits, 8);
        return Variant::FromDate(date);
    }
    case ExtCodePageBytes: {
        if (size < 4) break;
        int codePage = static_cast<int>(static_cast<int32_t>(GetBigEndian(data, 4)));
        return Variant(std::string(data + 4, size - 4), codePage);
    }
    case ExtUtf16: {
        if (size % 2 != 0) break;
        std::u16string wide(size / 2, u'\0');
        for (uint32_t i = 0; i < size / 2; ++i)
            wide[i] = static_cast<char16_t>(static_cast<unsigned char>(data[2 * i]) |
                                            (static_cast<unsigned char>(data[2 * i + 1]) << 8));
        return Variant(std::move(wide));
    }
    default:
        throw ERpcError("unknown extension type " + std::to_string(ext.type()));
    }
    throw ERpcError("extension of type " + std::to_string(ext.type()) + " has a wrong length");
}

Variant ReadVariant(const msgpack::object& o, int depth) {
    switch (o.type) {
    case msgpack::type::NIL:
        return Variant::Null();
    case msgpack::type::BOOLEAN:
        return Variant(o.via.boolean);
    case msgpack::type::POSITIVE_INTEGER:
    case msgpack::type::NEGATIVE_INTEGER:
        return Variant(static_cast<int>(ReadInt32(o, "integer value")));
    case msgpack::type::FLOAT32:
    case msgpack::type::FLOAT64:
        return Variant(o.via.f64);
    case msgpack::type::STR:
        return Variant(Utf8ToWideStrict(o.via.str.ptr, o.via.str.size));
    case msgpack::type::BIN:
        return Variant(std::string(o.via.bin.ptr, o.via.bin.size), CP_ACP);
    case msgpack::type::EXT:
        return ReadExt(o);
    case msgpack::type::ARRAY:
        return ReadArray(o, depth);
    case msgpack::type::MAP:
        break;
    }
    throw ERpcError("a map is not a variant");
}

// Unpacks one complete MessagePack value that fills the buffer exactly. The
// limits keep a short, hostile buffer from announcing huge containers.
msgpack::object_handle UnpackWhole(const char* data, size_t size) {
    if (size == 0) throw ERpcError("empty message");
    if (size > RpcMaxFrameBytes) throw ERpcError("message too large");
    msgpack::unpack_limit limit(size, size, size, size, size, RpcMaxDepth + 4);
    size_t offset = 0;
    msgpack::object_handle handle;
    try {
        handle = msgpack::unpack(data, size, offset, nullptr, nullptr, limit);
    } catch (const msgpack::insufficient_bytes&) {
        throw ERpcError("truncated message");
    } catch (const std::exception& e) {
        throw ERpcError(std::string("malformed message: ") + e.what());
    }
    if (offset != size) throw ERpcError("trailing bytes after the message");
    return handle;
}

std::string ReadText(const msgpack::object& o, const char* what) {
    if (o.type == msgpack::type::STR) return std::string(o.via.str.ptr, o.via.str.size);
    if (o.type == msgpack::type::BIN) return std::string(o.via.bin.ptr, o.via.bin.size);
    throw ERpcError(std::string("not a text: ") + what);
}

uint32_t ReadId(const msgpack::object& o) {
    if (o.type != msgpack::type::POSITIVE_INTEGER || o.via.u64 > 0xFFFFFFFFu)
        throw ERpcError("bad message id");
    return static_cast<uint32_t>(o.via.u64);
}

// The head of a call envelope: its field count, the request or response tag
// and the call's id; ReadEnvelope checks it on the other side.
void PackEnvelopeHead(Packer& pk, uint32_t fields, int tag, uint32_t id) {
    pk.pack_array(fields);
    pk.pack_int32(tag);
    pk.pack_uint32(id);
}

const msgpack::object_array& ReadEnvelope(const msgpack::object& root, uint32_t fields, int tag) {
    if (root.type != msgpack::type::ARRAY || root.via.array.size != fields)
        throw ERpcError("message is not a call envelope");
    const msgpack::object& kind = root.via.array.ptr[0];
    if (kind.type != msgpack::type::POSITIVE_INTEGER || kind.via.u64 != static_cast<uint64_t>(tag))
        throw ERpcError(tag == RequestTag ? "message is not a request" : "message is not a response");
    return root.via.array;
}

StringBuffer StartFrame() {
    StringBuffer buffer;
    buffer.data.assign(RpcFrameHeaderBytes, '\0');
    return buffer;
}

std::string FinishFrame(StringBuffer& buffer) {
    size_t body = buffer.data.size() - RpcFrameHeaderBytes;
    if (body > RpcMaxFrameBytes) throw ERpcError("message larger than " + std::to_string(RpcMaxFrameBytes) + " bytes");
    PutBigEndian(buffer.data.data(), body, RpcFrameHeaderBytes);
    return std::move(buffer.data);
}

}  // namespace

std::string EncodeVariant(const Variant& value) {
    StringBuffer buffer;
    Packer pk(buffer);
    PackVariant(pk, value);
    return std::move(buffer.data);
}

Variant DecodeVariant(const std::string& bytes) {
    msgpack::object_handle handle = UnpackWhole(bytes.data(), bytes.size());
    return ReadVariant(handle.get(), 0);
}

std::string EncodeRequestFrame(const TRpcRequest& request) {
    StringBuffer buffer = StartFrame();
    Packer pk(buffer);
    PackEnvelopeHead(pk, 4, RequestTag, request.Id);
    PackUtf8(pk, request.Method);
    pk.pack_array(static_cast<uint32_t>(request.Params.size()));
    for (const Variant& arg : request.Params) PackVariant(pk, arg);
    return FinishFrame(buffer);
}

std::string EncodeResponseFrame(const TRpcResponse& response) {
    StringBuffer buffer = StartFrame();
    Packer pk(buffer);
    PackEnvelopeHead(pk, 5, ResponseTag, response.Id);
    if (response.Failed) {
        PackUtf8(pk, response.Error);
    } else {
        pk.pack_nil();
    }
    PackVariant(pk, response.Result);
    pk.pack_map(static_cast<uint32_t>(response.Written.size()));
    for (const auto& [index, value] : response.Written) {
        pk.pack_uint32(index);
        PackVariant(pk, value);
    }
    return FinishFrame(buffer);
}

uint32_t FrameBodyLength(const unsigned char* header) {
    return static_cast<uint32_t>(GetBigEndian(reinterpret_cast<const char*>(header), RpcFrameHeaderBytes));
}

TRpcRequest DecodeRequest(const char* body, size_t size) {
    msgpack::object_handle handle = UnpackWhole(body, size);
    const msgpack::object_array& fields = ReadEnvelope(handle.get(), 4, RequestTag);
    TRpcRequest request;
    request.Id = ReadId(fields.ptr[1]);
    request.Method = ReadText(fields.ptr[2], "method name");
    const msgpack::object& params = fields.ptr[3];
    if (params.type != msgpack::type::ARRAY) throw ERpcError("arguments are not an array");
    request.Params.reserve(params.via.array.size);
    for (uint32_t i = 0; i < params.via.array.size; ++i)
        request.Params.push_back(ReadVariant(params.via.array.ptr[i], 1));
    return request;
}

TRpcResponse DecodeResponse(const char* body, size_t size) {
    msgpack::object_handle handle = UnpackWhole(body, size);
    const msgpack::object_array& fields = ReadEnvelope(handle.get(), 5, ResponseTag);
    TRpcResponse response;
    response.Id = ReadId(fields.ptr[1]);
    if (fields.ptr[2].type != msgpack::type::NIL) {
        response.Failed = true;
        response.Error = ReadText(fields.ptr[2], "error");
    }
    response.Result = ReadVariant(fields.ptr[3], 1);
    const msgpack::object& written = fields.ptr[4];
    if (written.type != msgpack::type::MAP) throw ERpcError("written arguments are not a map");
    for (uint32_t i = 0; i < written.via.map.size; ++i) {
        const msgpack::object_kv& kv = written.via.map.ptr[i];
        response.Written.emplace_back(ReadId(kv.key), ReadVariant(kv.val, 1));
    }
    return response;
}

std::vector<std::pair<uint32_t, Variant>> ChangedArgs(const Args& before, const Args& after) {
    std::vector<std::pair<uint32_t, Variant>> changed;
    for (size_t i = 0; i < after.size(); ++i) {
        if (i >= before.size() || before[i].type() != after[i].type() ||
            before[i].codePage() != after[i].codePage() || before[i] != after[i])
            changed.emplace_back(static_cast<uint32_t>(i), after[i]);
    }
    return changed;
}

}  // namespace kw
