// The English words of the failures the other tests do not already read, as the command line
// prints them: the sentence of each kind, and the steps around it.

#include "session_fixture.h"

#include "session/failure_text.h"

namespace r36 {
namespace {

Failure make(FailureKind kind, void (*fill)(Failure&) = nullptr) {
    Failure failure(kind);
    if (fill)
        fill(failure);
    return failure;
}

struct TextCase {
    const char* name;
    Failure failure;
    std::string english;
};

class FailureWords : public ::testing::TestWithParam<TextCase> {};

TEST_P(FailureWords, AreTheCommandLinesSentence) {
    EXPECT_EQ(session::englishText(GetParam().failure), GetParam().english);
}

const FailureStep kReadAll = FailureStep::of(FailureStep::Command::ReadAll);
const FailureStep kReadingKeys{
    FailureStep::Kind::Reading, {}, {image::PieceKind::RemoconId}, 0x7A0};

const TextCase kTexts[] = {
    {"EmptyReplyInAStep", Failure(FailureKind::EmptyReply).within(kReadingKeys).within(kReadAll),
     "Read all: reading the remote key IDs at 007A0: empty reply"},
    {"NotFramedTwice",
     make(FailureKind::SentTwice, [](Failure& f) { f.parts = {Failure(FailureKind::NotFramed)}; }),
     "reply not framed, sent twice"},
    {"PortGone",
     make(FailureKind::PortBroke,
          [](Failure& f) {
              f.parts = {
                  make(FailureKind::PortGone, [](Failure& g) { g.device = "/dev/ttyUSB0"; })};
          }),
     "port error: /dev/ttyUSB0 is no longer available (is the cable unplugged?)"},
    {"CannotSend",
     make(FailureKind::PortBroke, [](Failure& f) { f.parts = {Failure(FailureKind::CannotSend)}; }),
     "port error: cannot send"},
    {"NoSerialPort", Failure(FailureKind::NoSerialPort),
     "cannot open the port: no serial port found"},
    {"VersionOutOfRange",
     make(FailureKind::VersionOutOfRange, [](Failure& f) { f.value = "999-99"; }),
     "version reply \"999-99\" is out of range"},
    {"ShortBlock",
     make(FailureKind::BadReplyLength, [](Failure& f) { f.number = -1; })
         .within({FailureStep::Kind::Reading, {}, {image::PieceKind::BankTablePart}, 0x100}),
     "reading the bank table at 00100: bad reply length"},
    {"NoMemorySelected",
     Failure(FailureKind::NoMemorySelected)
         .within(FailureStep::of(FailureStep::Command::WriteSelected)),
     "Write selected memory: no memory selected"},
    {"UnreadableGreeting",
     make(FailureKind::NoGreetingReply,
          [](Failure& f) {
              f.device = "COM1 (/dev/ttyUSB0)";
              f.number = 38400;
              f.parts = {Failure(FailureKind::NoEcho)};
          }),
     "no readable reply from the receiver on COM1 (/dev/ttyUSB0) at 38400 bps (reply not framed "
     "(no echo of the command)). Check that the cable is plugged in at both ends, that the "
     "receiver is switched on, that the speed is the receiver's (Speed menu, or --speed) and "
     "that the port is the one the cable is on (Port menu, or --port)."},
    {"IncompleteList",
     make(FailureKind::IncompleteFile,
          [](Failure& f) {
              f.line = 2;
              f.number = 1701;
          }),
     "the file ends after line 1; a channel list has 1701 lines"},
    {"Folder",
     make(FailureKind::NotRegularFile,
          [](Failure& f) {
              f.path = "out";
              f.value = "a folder";
          }),
     "out is a folder, not a regular file"},
    {"BackupFolder", make(FailureKind::CannotCreateFolder, [](Failure& f) { f.path = "/b"; }),
     "cannot create the folder /b"},
    {"VerifyAfterAFailedWrite",
     make(FailureKind::AfterFailure,
          [](Failure& f) {
              f.parts = {Failure(FailureKind::Cancelled).within(kReadAll),
                         Failure(FailureKind::EmptyReply)
                             .within(FailureStep::of(FailureStep::Kind::Verifying))};
          }),
     "Read all: cancelled: verifying: empty reply"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, FailureWords, ::testing::ValuesIn(kTexts),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(PieceNames, EachKindReadsAsTheMessagesSayIt) {
    using image::Piece;
    using image::PieceKind;
    const std::pair<Piece, std::string> cases[] = {
        {{PieceKind::Memory, 1699}, "memory 1699"},
        {{PieceKind::BankTablePart, 3}, "the bank table"},
        {{PieceKind::BankLinkGroup, 10}, "bank-link group 10"},
        {{PieceKind::BankLinkGroup, Piece::kWhole}, "the bank links"},
        {{PieceKind::PsLinkGroup, 1}, "program-scan-link group 1"},
        {{PieceKind::PsLinkGroup, Piece::kWhole}, "the program-scan links"},
        {{PieceKind::SysBlockPart, 0}, "the settings block"},
        {{PieceKind::Sys3Block, Piece::kWhole}, "the third settings block"},
        {{PieceKind::RemoconId, Piece::kWhole}, "the remote key IDs"}};
    for (const auto& [piece, text] : cases)
        EXPECT_EQ(session::pieceName(piece, session::Wording::English).toStdString(), text);
}

} // namespace
} // namespace r36
