#pragma once

// A one-page web server on 127.0.0.1 for the release check's tests: it
// records each request head and answers every request the same way.

#include "tools/TravokMonetizationInternal.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

class ReleaseServer : public QObject
{
public:
    enum Mode { Answer, Silent, Redirect, Endless };

    explicit ReleaseServer(Mode serverMode = Answer, QTcpServer* listener = nullptr)
        : server(listener ? listener : new QTcpServer(this))
        , mode(serverMode)
    {
        server->setParent(this);
        connect(server, &QTcpServer::pendingConnectionAvailable, this, &ReleaseServer::accept);
        server->listen(QHostAddress::LocalHost);
    }

    QUrl url(const QString& scheme = QStringLiteral("http"), const QString& path = QStringLiteral("/release.json")) const
    {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2%3").arg(scheme).arg(server->serverPort()).arg(path));
    }

    QByteArray body;
    QUrl redirectTarget;
    QList<QByteArray> requestHeads;
    int closedConnections = 0;
    QTcpServer* server;

private:
    void accept()
    {
        while (QTcpSocket* socket = server->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::disconnected, this, [this]() { ++closedConnections; });
            auto* head = new QByteArray;
            connect(socket, &QObject::destroyed, this, [head]() { delete head; });
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, head]() {
                head->append(socket->readAll());
                if (!head->contains("\r\n\r\n"))
                    return;
                requestHeads.append(*head);
                head->clear();
                respond(socket);
            });
        }
    }

    void respond(QTcpSocket* socket)
    {
        switch (mode) {
        case Silent:
            return;
        case Redirect:
            socket->write("HTTP/1.1 302 Found\r\nLocation: " + redirectTarget.toEncoded()
                          + "\r\nContent-Length: 0\r\n\r\n");
            return;
        case Endless: {
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nConnection: close\r\n\r\n");
            const QByteArray chunk(16 * 1024, ' ');
            for (int i = 0; i < 64; ++i)
                socket->write(chunk);
            return;
        }
        case Answer:
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                          + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
            return;
        }
    }

    Mode mode;
};

// Signs a release document as the publisher does, with the program's key.
inline QByteArray signedRelease(QJsonObject object)
{
    object.remove(QStringLiteral("signature"));
    const QByteArray code = TravokMonetization::Internal::ReleaseAuthenticationCode(
        QJsonDocument(object).toJson(QJsonDocument::Compact));
    object.insert(QStringLiteral("signature"), QString::fromLatin1(code.toHex()));
    return QJsonDocument(object).toJson();
}

inline QJsonObject releaseDocument(const QString& version = QStringLiteral("1.1.0"),
                                   const QString& message = QStringLiteral("A faster pad."))
{
    return QJsonObject{
        {QStringLiteral("productId"), QStringLiteral("sumvelle-desktop")},
        {QStringLiteral("currentVersion"), version},
        {QStringLiteral("purchasePrice"), QStringLiteral("$20")},
        {QStringLiteral("purchaseUrl"), QStringLiteral("https://shop.example/buy")},
        {QStringLiteral("upgradePrice"), QStringLiteral("$10")},
        {QStringLiteral("upgradeUrl"), QStringLiteral("https://shop.example/upgrade")},
        {QStringLiteral("downloadUrl"), QStringLiteral("https://shop.example/download")},
        {QStringLiteral("detailsUrl"), QStringLiteral("https://shop.example/details")},
        {QStringLiteral("message"), message},
    };
}
