#include "share.h"

#include "errors.h"
#include "map_string.h"
#include "session.h"
#include "share_code.h"

#include <ostream>

namespace tavrin::cli {

int Share(const TArguments& args, std::ostream& out, std::ostream& err, TMapLoader loadMap) {
    if (!args.Positional().empty())
        throw ETavrinError(TakesNoWord("share", args));
    TSession session(err);
    if (!loadMap(session, args))
        return RefusedMapStatus;
    const std::string map = MakeMapString(*session.state);
    out << ShareCode(map) << '\n' << ShareLink(map) << '\n';
    return 0;
}

} // namespace tavrin::cli
