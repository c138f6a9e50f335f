// Prints every view table of the catalogue, one line per row, tab separated:
// table number, opener, list kind, index count, row number (from 1), oid, label,
// syntax, access, options as value=label pairs separated by "|" (empty when none),
// allowed values or lengths ("600..4000", "0|2..65535"; empty when the syntax
// alone limits them).
#include <cstdio>
#include <string>

#include "catalogue/NvViewCatalogue.h"

int main()
{
    for (const NvViewTable& t : NvViewCatalogue()) {
        int row = 0;
        for (const NvSNMPVarDescriptor* d = t.table; d->oid; ++d) {
            ++row;
            std::printf("%d\t%s\t%u\t%d\t%d\t%s\t%s\t%u\t%d\t%s\t%s\n", t.number, t.opener,
                        unsigned(t.listKind), int(t.indexCount), row, d->oid, d->label,
                        unsigned(d->syntax), int(d->access), NvViewCatalogue::optionPairsText(d->options).c_str(), d->ranges ? d->ranges : "");
        }
    }
    return 0;
}
