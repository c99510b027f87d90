// The binary form of variants and of remote calls, shared by the
// application server, its clients and the job store.
//
// Variants are written as MessagePack, losslessly:
//   Null            nil
//   Empty           ext 1, no data
//   Boolean         bool
//   Int32           integer (must fit 32 bits when read)
//   Int64           ext 2, 8 bytes big-endian
//   Double          float 64
//   Date            ext 3, 8 bytes big-endian IEEE double
//   byte string     bin when tagged with the system code page (CP_ACP);
//                   ext 4 = 4-byte big-endian code page + the bytes otherwise
//   wide string     str (UTF-8); ext 5 = UTF-16LE units when the text holds
//                   unpaired surrogates that UTF-8 cannot carry
//   array           array [bounds, item, item, ...]: bounds is the low bound
//                   (an integer) for one dimension, or [low1, high1, low2,
//                   high2, ...] for several; items with the first dimension
//                   varying slowest
// Automation objects cannot be written (ERpcError).
//
// A call travels in a frame: 4-byte big-endian body length, then the body.
//   request   [0, id, method, [arg, ...]]
//   response  [1, id, error, result, {index: arg, ...}]
// error is nil on success or the error text; the map holds the arguments the
// callee changed (by-reference results). A body larger than RpcMaxFrameBytes,
// an empty body, or one that does not decode is a protocol error.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/Automation.h"
#include "platform/Variant.h"

namespace kw {

// Raised for data that is not a valid encoding, and for values that cannot be
// encoded.
class ERpcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr size_t RpcFrameHeaderBytes = 4;
inline constexpr size_t RpcMaxFrameBytes = 4u * 1024 * 1024;
// Nesting of arrays a decoder accepts.
inline constexpr int RpcMaxDepth = 64;

std::string EncodeVariant(const Variant& value);
Variant DecodeVariant(const std::string& bytes);

struct TRpcRequest {
    uint32_t Id = 0;
    std::string Method;
    Args Params;
};

struct TRpcResponse {
    uint32_t Id = 0;
    bool Failed = false;
    std::string Error;  // the error text when Failed
    Variant Result;
    std::vector<std::pair<uint32_t, Variant>> Written;  // changed arguments
};

// Whole frames, header included.
std::string EncodeRequestFrame(const TRpcRequest& request);
std::string EncodeResponseFrame(const TRpcResponse& response);
// The body length announced by a frame header.
uint32_t FrameBodyLength(const unsigned char* header);
// Bodies without the header; raise ERpcError when malformed.
TRpcRequest DecodeRequest(const char* body, size_t size);
TRpcResponse DecodeResponse(const char* body, size_t size);

// The arguments of a call that differ from what was passed in, for the
// response's by-reference part.
std::vector<std::pair<uint32_t, Variant>> ChangedArgs(const Args& before, const Args& after);

}  // namespace kw
