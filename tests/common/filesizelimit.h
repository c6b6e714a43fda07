#pragma once

#include <QtGlobal>

#include <csignal>
#include <sys/resource.h>

// Makes this process's file writes fail past `bytes` as on a full disk (EFBIG,
// with SIGXFSZ ignored) while the object lives; the limit and the signal's
// handling come back after. Root is held to it too, unlike permissions.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_limit = {};
    struct sigaction m_action = {};
};
