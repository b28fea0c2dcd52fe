#include "report/amount_pair.h"

#include "report/fill.h"
#include "report/format.h"

namespace dek::report {

void ust_wart_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse) {
    ust_wart(band, names.taxpayer, taxpayer, 2);
    if (joint)
        ust_wart(band, names.spouse, spouse, 2);
    else
        ust_w_str(band, names.spouse, "");
}

void kwota_pair(Band& band, const AmountPair& names, bool joint, double taxpayer, double spouse, int decimals) {
    ust_w_str(band, names.taxpayer, kwota(taxpayer, decimals));
    ust_w_str(band, names.spouse, joint ? kwota(spouse, decimals) : "");
}

void kwota_rows(Band& band, bool joint, std::initializer_list<AmountRow> rows) {
    for (const AmountRow& row : rows) {
        if (row.names.spouse.empty())
            ust_w_str(band, row.names.taxpayer, kwota(row.taxpayer, row.decimals));
        else
            kwota_pair(band, row.names, joint, row.taxpayer, row.spouse, row.decimals);
    }
}

}  // namespace dek::report
