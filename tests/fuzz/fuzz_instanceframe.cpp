// Feeds arbitrary bytes to the instance socket's message reader, in pieces the first byte sizes. The
// messages are the same however the stream is cut, each survives a second encoding, and after a failure
// nothing more comes out.

#include "FuzzSupport.h"
#include "platform/linux/InstanceChannel.h"

using zarvo::fuzz::require;
using zarvo::linux_::InstanceFrame::Reader;

namespace {

struct Outcome {
    QList<QJsonObject> messages;
    bool failed = false;
};

Outcome read(const QByteArray& bytes, qsizetype piece) {
    Reader reader;
    Outcome outcome;
    for (qsizetype at = 0; at < bytes.size(); at += piece) {
        reader.append(bytes.mid(at, piece));
        while (auto message = reader.next())
            outcome.messages << *message;
    }
    outcome.failed = reader.failed();
    require(!outcome.failed || (!reader.error().isEmpty() && !reader.next()));
    reader.append(QByteArray("\0\0\0\2{}", 6));
    require(!outcome.failed || !reader.next());
    return outcome;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1 || size > 1 << 16) return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const Outcome whole = read(bytes, qMax<qsizetype>(1, bytes.size()));
    const Outcome pieces = read(bytes, 1 + data[0] % 16);
    require(whole.messages == pieces.messages && whole.failed == pieces.failed);
    for (const QJsonObject& message : whole.messages) {
        Reader again;
        again.append(zarvo::linux_::InstanceFrame::encode(message));
        const auto decoded = again.next();
        require(decoded && *decoded == message && again.pending() == 0);
    }
    return 0;
}
