#include "app/import_app.h"

#include "addressbook/address_book_connection.h"
#include "app/import_run.h"
#include "app/product_source_readers.h"

namespace app {

using recipients::ImportContext;

int ImportApp::InitInstance() {
    ImportContext context{backend_, platform_};
    const auto connection = addressbook::MakePlatformConnection();
    ProductSourceReaders sources(context, *connection);
    ImportRun(context, sources);
    return 0;
}

}  // namespace app
