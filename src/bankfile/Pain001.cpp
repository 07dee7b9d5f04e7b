#include "bankfile/Pain001.h"

#include "bankfile/Pain001Xml.h"
#include "model/TextFile.h"

namespace Pain001 {

Result write(QIODevice &device, const BankOrders &orders, const Options &options)
{
    const Plan plan = planFile(orders, options);
    if (!plan.groups.empty())
        writeXml(device, orders, options, plan);
    return plan.result;
}

Result save(const QString &path, const BankOrders &orders, const Options &options,
            const std::function<void(const Plan &plan)> &beforeRename)
{
    const Plan plan = planFile(orders, options);
    if (!plan.groups.empty())
        TextFile::writeAtomicallyWith(path, [&](QIODevice &device) {
            writeXml(device, orders, options, plan);
            if (beforeRename && !TextFile::writesFailed(device))
                beforeRename(plan);
        });
    return plan.result;
}

} // namespace Pain001
