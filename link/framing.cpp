#include "framing.h"

namespace r36::link {

namespace {
const QByteArray kCrLf("\r\n");
}

bool isReplyComplete(const QByteArray& collected, int commandLength) {
    // The echo is followed at once by CR LF, so echo + CR LF alone already ends with CR LF
    // although the reply line has not arrived: wait for the CR LF after that.
    return collected.size() > commandLength + 2 && collected.indexOf(kCrLf, commandLength + 2) >= 0;
}

qsizetype replyEnd(const QByteArray& collected, int commandLength) {
    if (collected.size() <= commandLength)
        return -1;
    if (collected.mid(commandLength, 2) != kCrLf)
        return -1;
    const qsizetype end = collected.indexOf(kCrLf, commandLength + 2);
    return end < 0 ? -1 : end + 2;
}

QByteArray replyText(const QByteArray& collected, int commandLength) {
    const qsizetype end = replyEnd(collected, commandLength);
    if (end < 0)
        return {};
    return collected.mid(commandLength + 2, end - 2 - (commandLength + 2));
}

bool echoAgrees(const QByteArray& collected, const QByteArray& sent) {
    return collected.size() <= sent.size() ? sent.startsWith(collected)
                                           : collected.startsWith(sent);
}

} // namespace r36::link
