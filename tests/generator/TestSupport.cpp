#include "TestSupport.h"

#include <QFile>
#include <QTest>

using namespace brindle;

namespace testing {

void applySettings(GlobalData& data, const QVariantMap& settings) {
    for (auto it = settings.begin(); it != settings.end(); ++it) {
        const int index = settingIndexOfName(it.key());
        QVERIFY2(index >= 0, qPrintable(it.key()));
        const auto setting = static_cast<Setting>(index);
        switch (settingInfo(setting).kind) {
        case SettingKind::Integer:
            data.setValue(setting, it.value().toLongLong());
            break;
        case SettingKind::Double:
            data.setValue(setting, it.value().toDouble());
            break;
        case SettingKind::Boolean:
            data.setValue(setting, it.value().toBool());
            break;
        case SettingKind::Colour:
            data.setValue(setting, nscolorValueOfAnHexadecimal(it.value().toString()));
            break;
        case SettingKind::Text:
            data.setValue(setting, it.value().toString());
            break;
        }
    }
}

QString readTestData(const QString& fileName) {
    QFile file(QStringLiteral(BRINDLE_TEST_DATA_DIR "/") + fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

void fillMenuWithIcons(GlobalData& data, int count) {
    Node* root = data.getMenuRootNode();
    root->clearChildren();
    int iconNumber = 0;
    const auto withIcon = [&iconNumber](Node* parent) {
        auto node = Node::make(QStringLiteral("Item %1").arg(iconNumber),
                               QStringLiteral("icon%1").arg(iconNumber), parent);
        node->setImageFileName(QStringLiteral("icon%1.png").arg(iconNumber));
        node->setImageWidth(16);
        node->setImageHeight(16);
        node->setRetinaImageFileName(QStringLiteral("icon%1@2x.png").arg(iconNumber));
        node->setRetinaImageWidth(16);
        node->setRetinaImageHeight(16);
        node->setLink(QStringLiteral("page%1.html").arg(iconNumber));
        ++iconNumber;
        return node;
    };
    for (int i = 0; i < count; ++i) {
        Node* item = data.addMenuRootNodeChild(withIcon(root));
        if (i % 3 == 1) {
            for (int j = 0; j < 3; ++j)
                item->appendChild(withIcon(item));
            item->setIsGroup(true);
        }
    }
}

} // namespace testing
