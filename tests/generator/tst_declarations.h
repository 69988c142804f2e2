#pragma once

#include <QObject>

// Box, text, gradient and shadow declarations.
class DeclarationsTest : public QObject {
    Q_OBJECT

private slots:
    void boxAndText_data();
    void boxAndText();
    void gradient_data();
    void gradient();
    void gradient_colourAlphaIsNeverWritten();
    void shadow_data();
    void shadow();
    void shadow_channelsTruncatedAndAlphaIgnored();
    void builders_readTheStoreWhenCalled();
};
