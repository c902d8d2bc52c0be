#include "Refusal.h"

namespace editors {

QString refusalText(const Refusal& refusal)
{
    return refusal.message ? catalogue::MessageText(*refusal.message) : refusal.text;
}

void showRefusal(const Refusal& refusal)
{
    if (refusal.message)
        catalogue::ShowMessage(*refusal.message);
    else
        catalogue::ShowText(refusal.text);
}

} // namespace editors
