#include "cli/outputfile.h"

#include "runtime/fileerror.h"

namespace colmara {

namespace {

// Makes OutputError from the writer's reason.
OutputError OutputFailure(const std::string& what, const std::string& reason) {
    return OutputError(what + ": " + reason);
}

}  // namespace

OutputFile::OutputFile(const std::string& path) try
    : path_(path), writer_(path), buffer_(writer_.Descriptor()), stream_(&buffer_) {
} catch (const FileError& error) {
    throw OutputFailure("cannot create " + path, error.what());
}

void OutputFile::Commit() {
    CommitAs(nullptr);
}

void OutputFile::KeepPartial() {
    const std::string name = PartialName();
    CommitAs(&name);
}

void OutputFile::CommitAs(const std::string* name) {
    stream_.flush();
    if (buffer_.Error() != 0 || !stream_)
        throw OutputFailure("cannot write output", WriteFailureCause(stream_));
    try {
        if (name != nullptr)
            writer_.CommitAs(*name);
        else
            writer_.Commit();
    } catch (const FileError& error) {
        throw OutputFailure(name != nullptr ? "cannot write " + *name : "cannot write " + path_,
                            error.what());
    }
}

}  // namespace colmara
