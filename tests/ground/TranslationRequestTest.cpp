#include "ground/TranslationRequest.h"

#include <gtest/gtest.h>

using namespace kunimor;

TEST(TranslationRequest, FramesGoThereAndBackWhateverTheyHold) {
    const TTranslationRequest requests[] = {
        {TRequestKind::Translate, TRequestDirection::RusToBel, "дом"},
        {TRequestKind::Translate, TRequestDirection::Detect, ""},
        {TRequestKind::OpenFile, TRequestDirection::Detect, "/tmp/a b.txt"},
        {TRequestKind::Translate, TRequestDirection::BelToRus, std::string("KNMQ\0\xFF", 6)},
    };
    for (const TTranslationRequest& sent : requests) {
        const std::string frame = EncodeRequest(sent);
        // Every cut short of the whole frame waits for more.
        for (std::size_t cut = 0; cut < frame.size(); ++cut) {
            TTranslationRequest partial;
            std::size_t consumed = 0;
            EXPECT_EQ(DecodeRequest(std::string_view(frame).substr(0, cut), partial, consumed),
                      TFrameState::Incomplete)
                << cut;
        }
        TTranslationRequest got;
        std::size_t consumed = 0;
        ASSERT_EQ(DecodeRequest(frame + "KNMQ", got, consumed), TFrameState::Complete);
        EXPECT_EQ(consumed, frame.size());
        EXPECT_EQ(got.kind, sent.kind);
        EXPECT_EQ(got.direction, sent.direction);
        EXPECT_EQ(got.text, sent.text);
    }
    const TTranslationReply reply{TReplyStatus::Busy, "занят"};
    TTranslationReply got;
    std::size_t consumed = 0;
    ASSERT_EQ(DecodeReply(EncodeReply(reply), got, consumed), TFrameState::Complete);
    EXPECT_EQ(got.status, TReplyStatus::Busy);
    EXPECT_EQ(got.text, "занят");
}

TEST(TranslationRequest, RefusesWhatIsNoFrame) {
    const std::string tooLong = std::string("KNMQT\x01", 6) + std::string("\x01\x00\x00\x10", 4);
    const std::string cases[] = {
        "GET / HTTP/1.1\r\n",                              // another protocol
        std::string("KNMQX\x01\x00\x00\x00\x00", 10),      // unknown kind
        tooLong,                                           // beyond the limit, before its text comes
        EncodeReply({TReplyStatus::Ok, "x"}),              // a reply is no request
    };
    for (const std::string& bytes : cases) {
        TTranslationRequest request;
        std::size_t consumed = 0;
        EXPECT_EQ(DecodeRequest(bytes, request, consumed), TFrameState::Malformed) << bytes;
    }
    TTranslationReply reply;
    std::size_t consumed = 0;
    EXPECT_EQ(DecodeReply(std::string("KNMA\x07\x00\x00\x00\x00", 9), reply, consumed), TFrameState::Malformed);
    // A direction the reader does not know lets the program choose.
    TTranslationRequest request;
    ASSERT_EQ(DecodeRequest(std::string("KNMQT\x09\x00\x00\x00\x00", 10), request, consumed), TFrameState::Complete);
    EXPECT_EQ(request.direction, TRequestDirection::Detect);
}

TEST(TranslationRequest, ReplyEndsInOneLineBreakExactlyWhenTheRequestDoes) {
    const struct {
        const char* request;
        const char* translation;  // as the pane holds it
        const char* reply;
    } cases[] = {
        {"дом", "дом\n", "дом"},               // the pane's final break goes
        {"дом", "дом", "дом"},                 // never a letter
        {"дом\n", "дом\n", "дом\n"},
        {"дом\n", "дом", "дом\n"},             // the break the request had comes back
        {"дом\r\n", "дом\n", "дом\r\n"},       // in the request's style
        {"а\r\nб", "а\nб\n", "а\r\nб"},
        {"а\n\n", "а\n\n", "а\n\n"},           // only one break is ever added or taken
        {"", "\n", ""},
        {"", "", ""},
        {"a", "x\r\ny\r\n", "x\ny"},
    };
    for (const auto& c : cases) EXPECT_EQ(ReplyText(c.request, c.translation), c.reply) << c.request;
}
