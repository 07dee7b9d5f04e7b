#pragma once

#include <grp.h>
#include <sys/types.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

// While it lives, file permissions bind the test as they bind an ordinary user: a test run as root
// takes the user and group "nobody" without supplementary groups, as root's permission override
// would hide what is checked. Folders that "nobody" must enter need permissions for others.
class AsOrdinaryUser
{
public:
    AsOrdinaryUser()
    {
        if (geteuid() != 0)
            return;
        const int count = getgroups(0, nullptr);
        m_groups.resize(static_cast<size_t>(std::max(count, 0)));
        // Without root's groups to restore afterwards the test keeps running as root.
        if (count < 0 || getgroups(count, m_groups.data()) != count)
            return;
        m_group = getgid();
        // Real and effective ids both change (access() checks the real ones); the saved ones stay root.
        m_switched = setgroups(0, nullptr) == 0 && setresgid(nobody, nobody, 0) == 0 &&
                     setresuid(nobody, nobody, 0) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (m_switched && (setresuid(0, 0, 0) != 0 || setresgid(m_group, m_group, 0) != 0 ||
                           setgroups(m_groups.size(), m_groups.data()) != 0))
            std::abort();
    }
    AsOrdinaryUser(const AsOrdinaryUser &) = delete;
    AsOrdinaryUser &operator=(const AsOrdinaryUser &) = delete;

private:
    static constexpr uid_t nobody = 65534;
    std::vector<gid_t> m_groups;
    gid_t m_group = 0;
    bool m_switched = false;
};
