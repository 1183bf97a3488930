#include "app/import_app.h"

#include <memory>
#include <new>

#include "addressbook/address_book_connection.h"
#include "app/import_run.h"
#include "app/product_source_readers.h"

namespace app {

using recipients::ImportContext;

int ImportApp::InitInstance() {
    ImportContext context{backend_, platform_};
    std::unique_ptr<addressbook::AddressBookConnection> connection;
    try {
        connection = addressbook::MakePlatformConnection();
    } catch (const std::bad_alloc&) {
        ImportRunOutOfMemory(context);
        return 0;
    }
    ProductSourceReaders sources(context, *connection);
    ImportRun(context, sources);
    return 0;
}

}  // namespace app
