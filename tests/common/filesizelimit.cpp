#include "filesizelimit.h"

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &m_action);
    getrlimit(RLIMIT_FSIZE, &m_limit);
    rlimit lowered = m_limit;
    lowered.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &lowered);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_limit);
    sigaction(SIGXFSZ, &m_action, nullptr);
}
