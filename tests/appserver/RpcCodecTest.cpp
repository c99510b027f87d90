// The binary variant form keeps every kind, bound and code page, and refuses
// data that is not a valid encoding.
#include <gtest/gtest.h>

#include "platform/CodePage.h"
#include "platform/RpcCodec.h"

namespace kw {
namespace {

Variant Grid() {
    VarArray grid({ArrayBound{1, 2}, ArrayBound{-1, 1}});
    int n = 0;
    for (Variant& item : grid.items()) item = Variant(n++);
    grid.at({2, 1}) = Variant(std::string("\xb7\xbd\xb0\xb8", 4), 936);
    return Variant(std::move(grid));
}

struct RoundTripCase {
    const char* label;
    Variant value;
};

class VariantRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(VariantRoundTrip, DecodesToTheSameKindValueAndCodePage) {
    const Variant& value = GetParam().value;
    Variant back = DecodeVariant(EncodeVariant(value));
    EXPECT_EQ(back.type(), value.type());
    EXPECT_EQ(back.codePage(), value.codePage());
    EXPECT_TRUE(back == value);
    if (value.isArray()) {
        ASSERT_EQ(back.dimCount(), value.dimCount());
        for (int d = 1; d <= value.dimCount(); ++d) {
            EXPECT_EQ(back.low(d), value.low(d));
            EXPECT_EQ(back.high(d), value.high(d));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, VariantRoundTrip,
    ::testing::Values(
        RoundTripCase{"empty", Variant()}, RoundTripCase{"null", Variant::Null()},
        RoundTripCase{"true", Variant(true)}, RoundTripCase{"false", Variant(false)},
        RoundTripCase{"int32_min", Variant(INT32_MIN)}, RoundTripCase{"int32_max", Variant(INT32_MAX)},
        RoundTripCase{"int64", Variant(int64_t{-9000000000000000000})}, RoundTripCase{"small_int64", Variant(int64_t{7})},
        RoundTripCase{"double", Variant(-1234.5625)}, RoundTripCase{"date", Variant::FromDate(45321.75)},
        RoundTripCase{"bytes_system", Variant(std::string("A\0B\xff", 4))},
        RoundTripCase{"bytes_936", Variant(std::string("\xb7\xbd\xb0\xb8", 4), 936)},
        RoundTripCase{"bytes_950", Variant(std::string("\xa4\xe8\xae\xd7", 4), 950)},
        RoundTripCase{"empty_bytes", Variant(std::string())},
        RoundTripCase{"wide_chinese", Variant(Utf8ToWide("产品结构明细表"))},
        RoundTripCase{"wide_pair", Variant(std::u16string(u"a\U0001F600b"))},
        RoundTripCase{"wide_lone_surrogate", Variant(std::u16string{u'x', char16_t(0xD800), u'y'})},
        RoundTripCase{"wide_control_chars", Variant(std::u16string(u"\x04\x05\x01\x03"))},
        RoundTripCase{"empty_array", Variant::Array(0, -1)},
        RoundTripCase{"one_based", Variant::ArrayOf(1, {Variant(1), Variant::Null(), Variant()})},
        RoundTripCase{"nested", Variant::ArrayOf({Variant::ArrayOf({Variant(u"x"), Variant::ArrayOf({})}),
                                                  Variant(int64_t{1})})},
        RoundTripCase{"two_dims", Grid()}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RpcCodec, AutomationObjectsCannotBeEncoded) {
    struct TDummy : AutoObject {
        std::string className() const override { return "X.Y"; }
        Variant Invoke(const std::string&, Args&) override { return Variant(); }
    };
    EXPECT_THROW(EncodeVariant(Variant(AutoRef(std::make_shared<TDummy>()))), ERpcError);
}

// Arrays nested levels deep: each level is [low bound 0, the next level].
std::string DeepArray(int levels) {
    std::string deep;
    for (int i = 0; i < levels; ++i) deep += std::string("\x92\x00", 2);
    return deep + std::string("\x91\x00", 2);
}

struct MalformedCase {
    const char* label;
    std::string bytes;
};

class MalformedVariant : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedVariant, IsRefused) { EXPECT_THROW(DecodeVariant(GetParam().bytes), ERpcError); }

INSTANTIATE_TEST_SUITE_P(
    Encodings, MalformedVariant,
    ::testing::Values(
        MalformedCase{"empty", ""},
        MalformedCase{"truncated_string", std::string("\xa5" "ab", 3)},
        MalformedCase{"trailing_bytes", std::string("\xc0\xc0", 2)},
        MalformedCase{"integer_beyond_32_bits", std::string("\xce\x80\x00\x00\x00", 5)},
        MalformedCase{"map", std::string("\x80", 1)},
        MalformedCase{"invalid_utf8", std::string("\xa2\xc3\x28", 3)},
        MalformedCase{"surrogate_in_utf8", std::string("\xa3\xed\xa0\x80", 4)},
        MalformedCase{"unknown_extension", std::string("\xd4\x09\x00", 3)},
        MalformedCase{"int64_of_wrong_length", std::string("\xd5\x02\x00\x01", 4)},
        MalformedCase{"array_without_bounds", std::string("\x90", 1)},
        MalformedCase{"bounds_not_matching_items", std::string("\x92\x94\x00\x01\x00\x01\xc0", 7)},
        MalformedCase{"bounds_out_of_order", std::string("\x91\x94\x00\x01\x05\x00", 6)},
        MalformedCase{"huge_array_announced", std::string("\xdd\x7f\xff\xff\xff\x00", 6)},
        MalformedCase{"too_deep", DeepArray(RpcMaxDepth + 2)}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RpcCodec, RequestAndResponseFramesCarryTheCall) {
    TRpcRequest request{42, "InsertConTable", {Variant::ArrayOf({Variant(u"方案"), Variant(true)}), Variant(3)}};
    std::string frame = EncodeRequestFrame(request);
    ASSERT_EQ(FrameBodyLength(reinterpret_cast<const unsigned char*>(frame.data())), frame.size() - 4);
    TRpcRequest back = DecodeRequest(frame.data() + 4, frame.size() - 4);
    EXPECT_EQ(back.Id, 42u);
    EXPECT_EQ(back.Method, "InsertConTable");
    ASSERT_EQ(back.Params.size(), 2u);
    EXPECT_TRUE(back.Params[0] == request.Params[0]);

    Args after = request.Params;
    after[1] = Variant(4);
    TRpcResponse response{42, false, "", Variant(u"ok"), ChangedArgs(request.Params, after)};
    ASSERT_EQ(response.Written.size(), 1u);
    std::string answer = EncodeResponseFrame(response);
    TRpcResponse decoded = DecodeResponse(answer.data() + 4, answer.size() - 4);
    EXPECT_FALSE(decoded.Failed);
    EXPECT_TRUE(decoded.Result == Variant(u"ok"));
    ASSERT_EQ(decoded.Written.size(), 1u);
    EXPECT_EQ(decoded.Written[0].first, 1u);
    EXPECT_TRUE(decoded.Written[0].second == Variant(4));

    TRpcResponse failure{7, true, "unknown method Foo", Variant(), {}};
    std::string failed = EncodeResponseFrame(failure);
    TRpcResponse failedBack = DecodeResponse(failed.data() + 4, failed.size() - 4);
    EXPECT_TRUE(failedBack.Failed);
    EXPECT_EQ(failedBack.Error, "unknown method Foo");
}

TEST(RpcCodec, ChangedArgsSeesACodePageChangeAsAChange) {
    Args before{Variant(std::string("abc"), 936)};
    Args after{Variant(std::string("abc"), 950)};
    EXPECT_EQ(ChangedArgs(before, after).size(), 1u);
    EXPECT_TRUE(ChangedArgs(before, before).empty());
}

TEST(RpcCodec, ARequestBodyThatIsNotARequestIsRefused) {
    std::string response = EncodeResponseFrame(TRpcResponse{1, false, "", Variant(), {}});
    EXPECT_THROW(DecodeRequest(response.data() + 4, response.size() - 4), ERpcError);
    std::string arrayOfNothing("\x94\x00\x01\xa1x\xc0", 6);  // arguments are not an array
    EXPECT_THROW(DecodeRequest(arrayOfNothing.data(), arrayOfNothing.size()), ERpcError);
}

}  // namespace
}  // namespace kw
